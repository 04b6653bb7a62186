#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabula {

// The phrase with %1 to %9 replaced by the arguments, each inserted as it is (a "%2" inside an
// argument stays). A placeholder without its argument stays too.
std::string FillPhrase(std::string_view phrase, const std::vector<std::string>& args);

}  // namespace tabula
