#pragma once

#include <string>

class ParamList;

// Interface of every class that can be created by name: components and bounds. The receiver of
// createNew and clone serves only as a prototype.
template <typename T> class FactoryObject {
public:
    virtual const std::string& getType() const = 0;
    virtual T* createNew(const ParamList& params) const = 0;
    virtual T* clone() const = 0;
    virtual ~FactoryObject() = default;
};
