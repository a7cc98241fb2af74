#include "drill/ini_text.h"

#include "case_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

struct FindCase {
  const char* name;
  std::string content;
  std::string section, key;
  std::optional<std::string> expected;
};

class FindIniValue : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindIniValue, ReadsTheKeyOfTheSection) {
  const FindCase& c = GetParam();
  EXPECT_EQ(drill::findIniValue(c.content, c.section, c.key), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FindIniValue,
    ::testing::Values(
        FindCase{"plain", "[s]\nk=v\n", "s", "k", "v"},
        FindCase{"crlf", "[s]\r\nk=v\r\n", "s", "k", "v"},
        FindCase{"noFinalLineEnding", "[s]\nk=v", "s", "k", "v"},
        FindCase{"emptyValueIsNotMissing", "[s]\nk=\n", "s", "k", ""},
        FindCase{"emptyText", "", "s", "k", std::nullopt},
        FindCase{"missingSection", "[t]\nk=v\n", "s", "k", std::nullopt},
        FindCase{"missingKey", "[s]\nj=v\n", "s", "k", std::nullopt},
        FindCase{"keyInAnotherSection", "[s]\nj=1\n[t]\nk=2\n", "s", "k", std::nullopt},
        FindCase{"keyBeforeAnySection", "k=0\n[s]\n", "s", "k", std::nullopt},
        FindCase{"longerNameDoesNotMatch", "[s]\nk1=v\n", "s", "k", std::nullopt},
        FindCase{"sectionPrefixDoesNotMatch", "[sx]\nk=v\n", "s", "k", std::nullopt},
        FindCase{"caseInsensitiveNames", "[SeC]\nKeY=v\n", "sEc", "kEy", "v"},
        FindCase{"blanksAroundNames", "  [ s ]  \n \t k \t= v\n", " s", "k ", "v"},
        FindCase{"blanksAroundValue", "[s]\nk=  a b \t\r\n", "s", "k", "a b"},
        FindCase{"doubleQuotesRemoved", "[s]\nk= \"  a \" \n", "s", "k", "  a "},
        FindCase{"singleQuotesRemoved", "[s]\nk='x'\n", "s", "k", "x"},
        FindCase{"onlyOnePairRemoved", "[s]\nk=\"\"x\"\"\n", "s", "k", "\"x\""},
        FindCase{"unmatchedQuotesKept", "[s]\nk=\"x'\n", "s", "k", "\"x'"},
        FindCase{"loneQuoteKept", "[s]\nk=\"\n", "s", "k", "\""},
        FindCase{"valueMayHoldEquals", "[s]\nk=a=b\n", "s", "k", "a=b"},
        FindCase{"commentedKeyIgnored", "[s]\n;k=1\n#k=2\nk=3\n", "s", "k", "3"},
        FindCase{"firstOccurrenceCounts", "[s]\nk=1\nk=2\n[s]\nk=3\n", "s", "k", "1"},
        FindCase{"laterDuplicateSectionNotSearched", "[s]\n[t]\n[s]\nk=3\n", "s", "k",
                 std::nullopt},
        FindCase{"textAfterBracketIgnored", "[s] ; note\nk=v\n", "s", "k", "v"},
        FindCase{"headerWithoutBracketIsNoSection", "[s\nk=v\n", "s", "k", std::nullopt},
        // 系统配置, in GBK
        FindCase{"gbkSection", "[\xCF\xB5\xCD\xB3\xC5\xE4\xD6\xC3]\n5=30\n",
                 "\xCF\xB5\xCD\xB3\xC5\xE4\xD6\xC3", "5", "30"},
        // 乗 = 81 5D: its trail byte is "]", which does not end the section name.
        FindCase{"gbkTrailByteBracket", "[\x81\x5D]\nk=v\n", "\x81\x5D", "k", "v"},
        // A trail byte that is an ASCII letter is not folded: 81 41 and 81 61 differ.
        FindCase{"gbkTrailLetterNotFolded", "[\x81\x41]\nk=v\n", "\x81\x61", "k", std::nullopt}),
    drill_test::NameOfCase());

struct SetCase {
  const char* name;
  std::string content;
  std::string section, key, value;
  std::string expected;
};

class SetIniValue : public ::testing::TestWithParam<SetCase> {};

TEST_P(SetIniValue, ChangesOnlyTheKeysLine) {
  const SetCase& c = GetParam();
  const std::string result = drill::setIniValue(c.content, c.section, c.key, c.value);
  EXPECT_EQ(result, c.expected);
  EXPECT_EQ(drill::findIniValue(result, c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetIniValue,
    ::testing::Values(
        SetCase{"emptyText", "", "s", "k", "1", "[s]\nk=1\n"},
        SetCase{"replaceValue", "[s]\nk=1\nj=2\n", "s", "k", "9", "[s]\nk=9\nj=2\n"},
        SetCase{"replaceKeepsCrlf", "[s]\r\nk=1\r\nj=2\r\n", "s", "k", "9",
                "[s]\r\nk=9\r\nj=2\r\n"},
        SetCase{"replaceLastLineWithoutEnding", "[s]\nk=1", "s", "k", "22", "[s]\nk=22"},
        SetCase{"replaceBlankedAndQuotedLine", "[s]\n  K = \"1\"  \n", "s", "k", "3", "[s]\nk=3\n"},
        SetCase{"appendKeyToSection", "[s]\nj=2\n\n[t]\nk=1\n", "s", "k", "5",
                "[s]\nj=2\nk=5\n\n[t]\nk=1\n"},
        SetCase{"appendKeyToLastSectionWithoutEnding", "[s]\nj=2", "s", "k", "5",
                "[s]\nj=2\nk=5\n"},
        SetCase{"appendKeyToEmptySection", "[s]\n[t]\n", "s", "k", "5", "[s]\nk=5\n[t]\n"},
        SetCase{"appendKeyWithCrlf", "[s]\r\nj=2\r\n", "s", "k", "5", "[s]\r\nj=2\r\nk=5\r\n"},
        SetCase{"appendSection", "; settings\n[t]\nk=1\n", "s", "k", "5",
                "; settings\n[t]\nk=1\n[s]\nk=5\n"},
        SetCase{"appendSectionAfterLastLineWithoutEnding", "[t]\r\nk=1", "s", "k", "5",
                "[t]\r\nk=1\r\n[s]\r\nk=5\r\n"},
        SetCase{"commentsAndOtherKeysKept", "[s]\n; the k below\nk=1 ; old\n# end\n", "s", "k", "2",
                "[s]\n; the k below\nk=2\n# end\n"},
        SetCase{"firstDuplicateChanged", "[s]\nk=1\nk=1\n", "s", "k", "2", "[s]\nk=2\nk=1\n"},
        SetCase{"namesWrittenWithoutBlanks", "", " s ", " k ", "1", "[s]\nk=1\n"},
        SetCase{"mixedLineEndingsKept", "[a]\r\nx=1\n[s]\r\nk=0\nz=3\r\n", "s", "k", "7",
                "[a]\r\nx=1\n[s]\r\nk=7\nz=3\r\n"}),
    drill_test::NameOfCase());

}  // namespace
