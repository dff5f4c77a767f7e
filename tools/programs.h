// The four programs by name, for the replay driver and the tests.
#pragma once

#include <string>
#include <vector>

#include "platform/app.h"

namespace lesson {

// The program's entry for a name ("corvana", ...); empty when unknown.
plat::ProgramFn ProgramByName(const std::string& name);
const std::vector<std::string>& ProgramNames();

}  // namespace lesson
