#pragma once

#include "common/Errors.h"

namespace norvane {

// A post refused because another row already holds the working copy's key.
class ECsvKeyError : public Exception {
public:
    using Exception::Exception;
};

} // namespace norvane
