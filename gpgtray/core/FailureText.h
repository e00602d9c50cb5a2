#pragma once
// What the user is told when a GnuPG operation gave nothing, read from its status stream:
// what happened and what to do.

#include <string>

#include "GnuPG.h"

namespace gpgtray {

enum class Operation { ListKeys, Encrypt, Sign, Decrypt, Import, Export };

std::string FailureText(Operation operation, const GpgOutcome& outcome);

}  // namespace gpgtray
