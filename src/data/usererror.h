#pragma once
// The one kind of error the user can do something about: a number that is not
// one, a file that cannot be read or written, a printer that will not start.
// what() is the message the user is shown. Every other exception is a fault of
// the program itself.

#include <stdexcept>

namespace fw {

class UserError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace fw
