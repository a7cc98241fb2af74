#include "bignum/unlnum.h"

UnlNum::UnlNum() = default;

int UnlNum::sign() const {
  return sign_;
}

const std::vector<std::uint32_t>& UnlNum::intLimbs() const {
  return intLimbs_;
}

const std::vector<std::uint32_t>& UnlNum::fracLimbs() const {
  return fracLimbs_;
}
