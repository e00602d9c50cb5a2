#pragma once
// The stand-in's clear signatures: the dash-escaped text between "-----BEGIN PGP SIGNED
// MESSAGE-----" and a signature block whose one line is the text's checksum.

#include <string>
#include <string_view>

#include "OpenedBlock.h"

// The clear-signed block, with CR LF line ends and a final line end.
std::string ClearSign(std::string_view text);

// Checks and strips the signature of a block from its begin line through the signature's
// end line; a block whose checksum does not match stays closed.
OpenedBlock VerifyClearSigned(std::string_view block);
