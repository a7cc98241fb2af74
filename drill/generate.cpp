// Problem generation: random operands of the chosen digit counts and their exact answer.

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "drill/drill.h"

namespace drill {

namespace {

// Addends 1 and 2 of a mixed column are always positive; from the third on each may be negative.
constexpr std::size_t kFirstSignedAddend = 3;
constexpr std::int32_t kDecimalPlaces = 0;

/// Puts an arithmetic result into its field. An empty result (the arithmetic ran out of
/// storage) leaves a zero there, as the arithmetic treats a number that is not there as 0.
void replaceWith(UnlNum& field, std::optional<UnlNum> result) {
  field = result ? std::move(*result) : UnlNum();
}

/// Sets a number from a digit text; an empty text (a digit count of 0 or less) leaves 0.
void setFromText(UnlNum& field, const std::string& text) {
  UnlNum::fromText(field, text);
}

void generateColumn(DrillState& state, bool mixedSigns) {
  for (std::size_t k = 1; k <= state.addends.size(); ++k) {
    std::string digits = randomDigitString(state.digitCount1);
    if (mixedSigns) {
      reseedRandom();
      if (k >= kFirstSignedAddend && randomInRange(1, 9) % 2 == 0) digits.insert(0, 1, '-');
    }
    setFromText(state.addends[k - 1], digits);
  }
  for (const UnlNum& addend : state.addends) {
    replaceWith(state.addendSum, UnlNum::add(state.addendSum, addend));
  }
}

void generateOperands(DrillState& state, const std::function<void()>& handlePendingEvents) {
  setFromText(state.operandA, randomDigitString(state.digitCount1));
  if (handlePendingEvents) handlePendingEvents();
  setFromText(state.operandB, randomDigitString(state.digitCount2));
}

/// The dividend is cut down to quotient x divisor, so that the answer is the quotient itself:
/// a whole number when the divisor has no more digits than the dividend, otherwise a fraction
/// below 1 with as many places as the divisor has extra digits.
void cutDownDividend(DrillState& state) {
  replaceWith(state.operandA, UnlNum::divide(state.operandA, state.operandB, kDecimalPlaces));
  replaceWith(state.operandA, UnlNum::multiply(state.operandA, state.operandB));
}

}  // namespace

void generateProblem(DrillState& state, OperationType type,
                     const std::function<void()>& handlePendingEvents) {
  UnlNum::fromValue(state.addendSum, std::int32_t{0});
  switch (type) {
    case OperationType::Multiplication:
      generateOperands(state, handlePendingEvents);
      replaceWith(state.productOrQuotient, UnlNum::multiply(state.operandA, state.operandB));
      return;
    case OperationType::Division:
      generateOperands(state, handlePendingEvents);
      cutDownDividend(state);
      replaceWith(state.productOrQuotient,
                  UnlNum::divide(state.operandA, state.operandB, kDecimalPlaces));
      return;
    case OperationType::MixedAddSub:
      generateColumn(state, true);
      return;
    case OperationType::Addition:
      break;
  }
  // Addition, and an operation list without a selection: a column of positive numbers.
  generateColumn(state, false);
}

}  // namespace drill
