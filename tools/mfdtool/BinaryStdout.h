#pragma once

// Puts standard output into binary mode where the C runtime would turn LF into CR LF, so
// that lines end with LF and unindented text comes out byte for byte.
void SetBinaryStdout();
