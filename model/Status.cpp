#include "Status.h"

namespace kelo {

const std::string& Status::message() const {
  static const std::string kNone;
  return message_ ? *message_ : kNone;
}

}  // namespace kelo
