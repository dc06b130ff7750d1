// Bad usage or bad input: the message is shown on one line and the program
// exits with status 2.
#pragma once

#include <stdexcept>

struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
