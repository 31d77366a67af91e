#pragma once

class Resource;

// Does the loading work of a resource in place of the resource's own loadImpl, for resources
// whose content is made by code (glyph sheets, rendered strings) rather than read from a file.
//
// Ownership: when deleteWithResource answers true, the loader belongs to the one resource it was
// handed to and is deleted by that resource's destructor (ResourceManager::create also deletes
// such a loader when it does not attach it to a new resource). When it answers false, whoever
// made the loader keeps it and must keep it alive as long as the resource can load.
class ManualResourceLoader {
public:
    virtual ~ManualResourceLoader() = default;
    // Called from Resource::load with the resource's lock held and its state Loading.
    virtual void loadResource(Resource* resource) = 0;
    virtual bool deleteWithResource() = 0;
};
