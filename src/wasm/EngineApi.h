// The C interface of the engine for the browser version (WebAssembly) and
// its tests: JSON in and out. Every call leaves its answer in one result
// buffer, valid until the next call: JSON text, a plain text or the bytes
// of a file, as the call's description in web/ENGINE-API.md says.
#pragma once

#include <cstddef>

extern "C" {

// The statuses of a call.
enum HydrimStatus {
    HydrimOk = 0,      // the answer is in the result
    HydrimRefused = 1, // the input was refused: the result is one Czech message
    HydrimBadCall = 2, // no such call, or arguments that are not what the call takes
};

// Reads the coefficient and reference tables of dataDir ("/DATA" in the
// browser); a call before it is refused.
int hydrim_open(const char* dataDir);

// Runs the call named method with its arguments (a JSON object, or null or
// "" for none) and, for calls that read a file, its bytes.
int hydrim_call(const char* method, const char* arguments, const unsigned char* bytes, size_t byteCount);

// The result of the last call and its length in bytes (the text is also
// NUL-terminated).
const char* hydrim_result(void);
size_t hydrim_result_size(void);
}
