#include "bignum/unlnum.h"

#include <algorithm>
#include <utility>

UnlNum::UnlNum() = default;

UnlNum::UnlNum(int sign, LimbVector intLimbs, LimbVector fracLimbs)
    : sign_(sign), intLimbs_(std::move(intLimbs)), fracLimbs_(std::move(fracLimbs)) {}

void UnlNum::setZero() noexcept {
  sign_ = 0;
  fracLimbs_.clear();
  intLimbs_.clear();
  intLimbs_.push_back(0);  // within capacity unless the number was moved from
}

int UnlNum::sign() const {
  return sign_;
}

const std::vector<std::uint32_t>& UnlNum::intLimbs() const {
  return intLimbs_;
}

const std::vector<std::uint32_t>& UnlNum::fracLimbs() const {
  return fracLimbs_;
}

bool UnlNum::isZero() const {
  auto zero = [](std::uint32_t limb) { return limb == 0; };
  return std::all_of(intLimbs_.begin(), intLimbs_.end(), zero) &&
         std::all_of(fracLimbs_.begin(), fracLimbs_.end(), zero);
}

bool UnlNum::isOne() const {
  return intLimbs_.size() == 1 && intLimbs_[0] == 1 &&
         std::all_of(fracLimbs_.begin(), fracLimbs_.end(),
                     [](std::uint32_t limb) { return limb == 0; });
}
