// The horizontal rules that frame the dialogue, the report and the file.
#ifndef NINES_SESSION_RULES_H_
#define NINES_SESSION_RULES_H_

#include <string_view>

namespace nines::session {

// 25, 20, 16 and 14 repetitions of "+--" and a closing "+".
inline constexpr std::string_view kRule25 =
    "+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+";
inline constexpr std::string_view kRule20 =
    "+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+";
inline constexpr std::string_view kRule16 = "+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+--+";
inline constexpr std::string_view kRule14 = "+--+--+--+--+--+--+--+--+--+--+--+--+--+--+";

}  // namespace nines::session

#endif  // NINES_SESSION_RULES_H_
