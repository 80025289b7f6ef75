#pragma once

#include <string>

#include "RatingTexts.h"

namespace kelo {

// A vector of ratings. A record does not know its own name: the name is the
// text of the list item that carries it.
struct TVec {
  RatingTexts Values;
};

// Entry k of Values is the object's rating on the construct at position k.
struct TObjekt : TVec {};

// Entry o of Values is the rating of the object at position o; Opposite names
// the construct's opposite pole.
struct TKonstrukt : TVec {
  std::string Opposite;
};

}  // namespace kelo
