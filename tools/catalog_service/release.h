#pragma once

#include <string>

#include "database.h"

namespace catalog {

// One release of a program, as the operator gives it.
struct TReleaseOptions {
    std::string SigningKey;  // PEM PKCS#8 Ed25519 private key file
    std::string BaseUrl;     // the service's public address, e.g. https://club.example:8443
    std::string Program;     // the description's section, e.g. Marvolet_5z36
    std::string Version;     // four dot-separated numbers
    std::string Package;     // the zip file
    std::string Description;
    std::string Notes;  // a text file shown to the user before installing; optional
    std::string Lang;   // the notes' language tag (RUS, 1049); empty: the default notes
    std::string DeleteBefore;
    std::string DeleteAfter;
    std::string ExecBefore;
    std::string ExecAfter;
    std::string OriginalName;  // the package's file name; default <program>_<version>.zip
};

// Stores the package, its CRC-32 and signature, the notes, and rebuilds the description
// file (the latest release of every program) with its signature. Throws std::runtime_error
// with a reason for the operator; nothing is stored then.
void Release(TDatabase& db, const TReleaseOptions& options);

}  // namespace catalog
