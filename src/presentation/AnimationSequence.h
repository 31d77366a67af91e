#pragma once

#include "core/Resource.h"
#include "physics/AxisAlignedBox.h"
#include "physics/OrientedBox.h"

#include <boost/shared_ptr.hpp>

#include <memory>
#include <string>

class TiXmlElement;
class XmlFile;

// The frames of one named animation, read from an "AnimationSequence" element of a data file.
// The element's "type" attribute picks the sequence type registered with the
// AnimationSequenceManager, whose prototype makes the Data that holds the frames.
//
// Loading never throws: a missing element, an unknown type or bad attributes are logged to
// "XmlSystemLogFile.txt" and leave the sequence loadFailed without data.
class AnimationSequence : public Resource {
public:
    // One frame as a sequence type describes it: which part of which picture, for how many
    // periods of the animation's frame rate.
    struct Frame {
        AxisAlignedBox texCoords;
        std::string fileName;
        unsigned length = 0;
    };

    // What a sequence type reads from its element.
    class Data {
    public:
        virtual ~Data() = default;
        // The frame's rectangle in the local space of the entity that shows it.
        virtual const OrientedBox& quad() const = 0;
        virtual unsigned frameCount() const = 0;
        // Raises std::out_of_range for an index not below frameCount().
        virtual Frame frame(unsigned index) const = 0;
        // A new, empty object of the same type; the caller owns it.
        virtual Data* createNew() const = 0;
        // False on any error, after logging it.
        virtual bool load(const TiXmlElement& element, XmlFile& file) = 0;
    };

    static const std::string& elementType();

    AnimationSequence(const std::string& name, ResourceHandle handle, ManualResourceLoader* loader);
    ~AnimationSequence() override;

    // Null unless loaded without failure.
    const Data* getData() const { return data.get(); }
    // The data file to look in before asking the XmlFileManager; empty for none. Loading sets it
    // to the file the element was found in.
    const std::string& getFileHint() const { return fileHint; }
    void setFileHint(const std::string& hint) { fileHint = hint; }

    // Writes to "XmlSystemLogFile.txt" when it is open.
    static void writeLog(const std::string& message, int level);

protected:
    void loadImpl() override;
    void unloadImpl() override;

private:
    void loadFromElement(const TiXmlElement& element, XmlFile& file, const std::string& prefix);

    std::unique_ptr<Data> data;
    std::string fileHint;
};

typedef boost::shared_ptr<AnimationSequence> AnimationSequencePtr;
