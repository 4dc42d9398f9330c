#include "release.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <zlib.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "protocol.h"

namespace catalog {

namespace {

// Where the files live below /files/autoupdates/.
constexpr const char* kDescriptionPath = "Quelm_AU.cfg";
constexpr const char* kSignaturePath = "Quelm_AU.cfg.sig";

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("не удалось открыть файл \"" + path + "\"");
    std::ostringstream out;
    out << in.rdbuf();
    if (in.bad()) throw std::runtime_error("не удалось прочитать файл \"" + path + "\"");
    return out.str();
}

bool IsNameChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == '.';
}

// A plain file or section name: letters, digits, "_", "-", "."; no leading dot, so neither
// ".." nor a hidden name.
void RequireName(const std::string& what, const std::string& value) {
    bool ok = !value.empty() && value.size() <= 128 && value.front() != '.';
    for (char c : value) ok = ok && IsNameChar(c);
    if (!ok) throw std::runtime_error("недопустимое значение " + what + ": \"" + value + "\"");
}

void RequireVersion(const std::string& version) {
    int words = 0;
    std::size_t digits = 0;
    bool ok = !version.empty();
    for (char c : version) {
        if (c >= '0' && c <= '9') {
            ok = ok && ++digits <= 9;
        } else if (c == '.') {
            ok = ok && digits > 0;
            digits = 0;
            ++words;
        } else {
            ok = false;
        }
    }
    if (!ok || digits == 0 || words != 3)
        throw std::runtime_error("версия должна состоять из четырёх чисел через точку: \"" +
                                 version + "\"");
}

// A value of the description file stays on its line.
void RequireLine(const std::string& what, const std::string& value) {
    if (value.find_first_of(std::string("\r\n\0", 3)) != std::string::npos)
        throw std::runtime_error("значение " + what + " не должно содержать перевод строки");
}

struct TKeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
using TKey = std::unique_ptr<EVP_PKEY, TKeyFree>;

TKey LoadSigningKey(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) throw std::runtime_error("не удалось открыть ключ подписи \"" + path + "\"");
    TKey key(PEM_read_PrivateKey(file, nullptr, nullptr, nullptr));
    std::fclose(file);
    if (!key || EVP_PKEY_id(key.get()) != EVP_PKEY_ED25519)
        throw std::runtime_error("файл \"" + path + "\" не содержит закрытый ключ Ed25519");
    return key;
}

std::string Sign(EVP_PKEY* key, const std::string& data) {
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> ctx(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    std::string signature(64, '\0');
    std::size_t length = signature.size();
    if (!ctx || EVP_DigestSignInit(ctx.get(), nullptr, nullptr, nullptr, key) != 1 ||
        EVP_DigestSign(ctx.get(), reinterpret_cast<unsigned char*>(signature.data()), &length,
                       reinterpret_cast<const unsigned char*>(data.data()), data.size()) != 1)
        throw std::runtime_error("не удалось подписать данные");
    signature.resize(length);
    return signature;
}

std::string Crc32Hex(const std::string& data) {
    const uLong crc =
        crc32_z(crc32_z(0L, Z_NULL, 0), reinterpret_cast<const Bytef*>(data.data()), data.size());
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%08lX", static_cast<unsigned long>(crc));
    return buffer;
}

void StoreFile(TDatabase& db, const std::string& path, const std::string& content) {
    TStatement st(db, R"sql(
INSERT INTO files (path, content, modified) VALUES (:path, :content, :now)
ON CONFLICT (path) DO UPDATE SET content = excluded.content, modified = excluded.modified
)sql");
    st.Bind(":path", path).BindBlob(":content", content).Bind(":now", UtcNow()).Run();
}

// The description file: one section per program, its latest release.
std::string BuildDescription(TDatabase& db) {
    TStatement st(db, R"sql(
SELECT program, version, description, download_url, original_name, crc32, package_signature,
       delete_before, delete_after, exec_before, exec_after
FROM releases r WHERE id = (SELECT MAX(id) FROM releases WHERE program = r.program)
ORDER BY program
)sql");
    std::string text;
    while (st.Step()) {
        if (!text.empty()) text += "\n";
        text += "[" + st.Text(0) + "]\n";
        const char* keys[] = {
            "VerId",         "Description",      "DownloadUrl",  "OriginalFileName",
            "ChecksumCRC32", "PackageSignature", "DeleteBefore", "DeleteAfter",
            "ExecBefore",    "ExecAfter"};
        for (int i = 0; i < 10; ++i) text += std::string(keys[i]) + "=" + st.Text(i + 1) + "\n";
    }
    return text;
}

}  // namespace

void Release(TDatabase& db, const TReleaseOptions& o) {
    RequireName("--program", o.Program);
    RequireVersion(o.Version);
    const std::string originalName =
        o.OriginalName.empty() ? o.Program + "_" + o.Version + ".zip" : o.OriginalName;
    RequireName("--original-name", originalName);
    if (!o.Lang.empty()) RequireName("--lang", o.Lang);
    std::string baseUrl = o.BaseUrl;
    while (!baseUrl.empty() && baseUrl.back() == '/') baseUrl.pop_back();
    if (baseUrl.rfind("https://", 0) != 0 && baseUrl.rfind("http://", 0) != 0)
        throw std::runtime_error("--base-url должен начинаться с https:// или http://");
    for (const auto& [what, value] :
         {std::pair<const char*, const std::string&>{"--base-url", baseUrl},
          {"--description", o.Description},
          {"--delete-before", o.DeleteBefore},
          {"--delete-after", o.DeleteAfter},
          {"--exec-before", o.ExecBefore},
          {"--exec-after", o.ExecAfter}})
        RequireLine(what, value);
    if (baseUrl.find_first_of(" \t") != std::string::npos)
        throw std::runtime_error("--base-url не должен содержать пробелы");

    const TKey key = LoadSigningKey(o.SigningKey);
    const std::string package = ReadWholeFile(o.Package);
    const std::string notes = o.Notes.empty() ? std::string() : ReadWholeFile(o.Notes);
    const std::string packageSignature = Base64Encode(Sign(key.get(), package));

    TTransaction tx(db);
    StoreFile(db, "packages/" + originalName, package);
    if (!o.Notes.empty()) {
        const std::string lang = o.Lang.empty() ? std::string() : o.Lang + "_";
        StoreFile(db, "UpdDescr/UpdDescr_" + lang + o.Version + ".txt", notes);
    }
    TStatement st(db, R"sql(
INSERT INTO releases (program, version, description, original_name, download_url, crc32,
    package_signature, delete_before, delete_after, exec_before, exec_after, released)
VALUES (:program, :version, :descr, :name, :url, :crc, :sig, :db, :da, :eb, :ea, :now)
)sql");
    st.Bind(":program", o.Program).Bind(":version", o.Version).Bind(":descr", o.Description);
    st.Bind(":name", originalName)
        .Bind(":url", baseUrl + "/files/autoupdates/packages/" + originalName);
    st.Bind(":crc", Crc32Hex(package)).Bind(":sig", packageSignature);
    st.Bind(":db", o.DeleteBefore).Bind(":da", o.DeleteAfter);
    st.Bind(":eb", o.ExecBefore).Bind(":ea", o.ExecAfter).Bind(":now", UtcNow());
    st.Run();
    const std::string description = BuildDescription(db);
    StoreFile(db, kDescriptionPath, description);
    StoreFile(db, kSignaturePath, Base64Encode(Sign(key.get(), description)) + "\n");
    tx.Commit();
}

}  // namespace catalog
