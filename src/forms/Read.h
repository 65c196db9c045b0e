// What a read that may fail gives back, on the windows' side: the value and the fault together.
//
// An action that may fail gives back a Fault alone (none when it succeeded); a read gives back a
// Read, never its fault through an argument or an exception.
#pragma once

#include "platform/Platform.h"

namespace fitzel {

template <typename T>
struct Read {
    T value{};    // its empty value when there is a fault
    Fault fault;  // in words, when the value could not be read
};

}  // namespace fitzel
