#include "contacts/FieldRules.h"

#include <cstring>

namespace {

bool HasLength(const char* text, int limit) {
    return std::strlen(text) <= static_cast<std::size_t>(limit);
}

bool HoldsSeparator(const char* text) {
    return std::strpbrk(text, ",\r\n") != nullptr;
}

}  // namespace

FieldProblem CheckContactFields(const char* name, const char* number) {
    if (!HasLength(name, kNameFieldLimit) || HoldsSeparator(name) || name[0] == '#' || name[0] == '[')
        return FieldProblem::kName;
    if (!HasLength(number, kNumberFieldLimit) || HoldsSeparator(number) || number[0] == ' ')
        return FieldProblem::kNumber;
    return FieldProblem::kNone;
}
