#pragma once

#include <filesystem>
#include <string>

#include "engine/core/records.h"

namespace mv {

// The archive file is a headerless run of 24-byte draw records, oldest first; a trailing
// partial record is ignored.
void DecodeDrawRec(const unsigned char* bytes, TDrawRec& draw);
void EncodeDrawRec(const TDrawRec& draw, unsigned char* bytes);
std::string EncodeArchive(const TDrawsArray& draws);

// Reads every whole record into `draws` (replacing its content). On a read failure the
// records read so far stay in `draws` and EOSError is thrown with the system's message.
void ReadArchiveFile(const std::filesystem::path& path, TDrawsArray& draws);
// Replaces the file through a temporary file; on failure the old file is intact.
void WriteArchiveFile(const std::filesystem::path& path, const TDrawsArray& draws);

// Index of the draw with that number or -1: an interpolation guess for ascending numbers,
// a walk from the guess, and finally a full scan from the newest draw back, so the draw is
// found even when the numbers are out of order.
int FindDrawIndex(const TDrawsArray& draws, std::int32_t number);

}  // namespace mv
