// Owning handles for libical's objects, each freed by the library's own function.
#pragma once

#include <libical/ical.h>

#include <cstdlib>
#include <memory>

namespace velorith::ical {

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
struct PropertyFree {
    void operator()(icalproperty* p) const { icalproperty_free(p); }
};
// Strings that libical hands over with an "_r" function are the caller's to free().
struct StringFree {
    void operator()(char* s) const { std::free(s); }
};

using Component = std::unique_ptr<icalcomponent, ComponentFree>;
using Property = std::unique_ptr<icalproperty, PropertyFree>;
using String = std::unique_ptr<char, StringFree>;

// Moves a property into a component, which owns it from then on.
inline void Add(icalcomponent* parent, Property property) {
    if (property) icalcomponent_add_property(parent, property.release());
}
inline void Add(icalcomponent* parent, Component child) {
    if (child) icalcomponent_add_component(parent, child.release());
}

}  // namespace velorith::ical
