#pragma once
// The texts an integer field is tried with: what a paste can put into it beside digits, the ends
// of its range and one beyond each, and nothing. An integer field takes a text only when the whole
// of it is one number within the range (blanks around it and a leading '+' allowed), exactly that
// number; any other text is named to the user with the field's label and range, nothing taken;
// an empty field keeps what its dialog says.
#include <string>
#include <vector>

namespace integer_field_test {

enum class Outcome { Taken, Named, Empty };

struct TypedText {
    std::string text;
    Outcome outcome;
    long long number; // when taken
};

// The texts for a field of low..high, which holds 13 and 15.
inline std::vector<TypedText> textsFor(int low, int high)
{
    const auto end = [&](long long n) {
        return TypedText{std::to_string(n), low <= n && n <= high ? Outcome::Taken : Outcome::Named, n};
    };
    return {
        {"15abc", Outcome::Named, 0}, {"17.5", Outcome::Named, 0}, {"2e3", Outcome::Named, 0},
        {"1 6", Outcome::Named, 0},   {"１４", Outcome::Named, 0},  {"abc", Outcome::Named, 0},
        {"+13", Outcome::Taken, 13},  {" 15 ", Outcome::Taken, 15}, end(low),
        end(high),                    end(low - 1LL),               end(high + 1LL),
        {"", Outcome::Empty, 0},
    };
}

// What the user is told of a field refused.
inline std::string namedWith(const std::string& label, int low, int high)
{
    return label + "には" + std::to_string(low) + "から" + std::to_string(high) + "までの数値を入力して下さい。";
}

} // namespace integer_field_test
