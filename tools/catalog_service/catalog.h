#pragma once

#include <mutex>
#include <optional>
#include <string>

#include "database.h"

namespace catalog {

// The scenario and systems catalogs and the update files, over one database. Calls are
// serialised: each request runs alone.
class TCatalog {
public:
    explicit TCatalog(TDatabase& db) : m_db(db) {}

    // The reply to a form POST of /scripts/<operation> ("scr_getlist.php", ...); nullopt for
    // an operation that does not exist. Refusals come back as error rows.
    std::optional<std::string> Answer(const std::string& operation, const std::string& body);

    // A stored update file by its path under /files/autoupdates/; nullopt when none.
    std::optional<std::string> File(const std::string& path);

private:
    TDatabase& m_db;
    std::mutex m_mutex;
};

}  // namespace catalog
