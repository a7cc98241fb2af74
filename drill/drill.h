#pragma once

// The drill engine: the drill state, the random service, problem generation, the settings file,
// the question-type text and the answer check. Every text is a GBK byte string.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "bignum/unlnum.h"

namespace drill {

/// The selected position of the operation list. Values outside 0..3 (a list without a
/// selection) are possible: generation then makes a column as for Addition.
enum class OperationType : std::int32_t {
  Addition = 0,
  MixedAddSub = 1,
  Multiplication = 2,
  Division = 3
};

/// The one record of the current drill, owned by the program entry for the whole run.
struct DrillState {
  std::int32_t digitCount1 = 0;
  std::int32_t digitCount2 = 0;
  std::string questionTypeText;  // empty until the first reset
  std::array<UnlNum, 20> addends;
  UnlNum addendSum, operandA, operandB, productOrQuotient;
  std::int32_t maxDigits = 0;
};

void seedRandom(std::uint32_t seed);  // sets the generator's state (tests, and reseedRandom)
void reseedRandom();
std::int32_t randomInRange(std::int32_t lo, std::int32_t hi);
std::string randomDigitString(std::int32_t count);
std::string intToText(std::int32_t value);
std::int32_t textToInt(std::string_view text);
void generateProblem(DrillState& state, OperationType type,
                     const std::function<void()>& handlePendingEvents);
std::string settingsFilePath();
std::string readSetting(std::string_view key,
                        std::optional<std::string_view> defaultValue = std::nullopt);
void writeSetting(std::string_view key, std::string_view value);
std::string describeQuestionType(OperationType type, std::int32_t d1, std::int32_t d2,
                                 std::string_view timeText);
bool usesBigNumberTitle(std::int32_t d1, std::int32_t d2);
std::string questionTypeCaption(std::string_view questionTypeText);
std::string trimBlanks(std::string_view text);
bool checkAnswer(std::string_view answerText, std::string_view typedText);
std::string verdictText(bool ok);

}  // namespace drill
