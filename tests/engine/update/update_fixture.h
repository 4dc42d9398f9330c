// Used by the engine, command-line and desktop tests alike, so it throws instead of asserting.
// A signed update published into a folder that serves as the update site, a key pair made for
// the run, and the program folder the update goes into.
#pragma once

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <zip.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/net/service_codec.h"
#include "engine/support/file_basics.h"
#include "engine/update/self_update.h"
#include "test_support.h"

namespace mv::test {

// An Ed25519 key pair made with the OpenSSL API.
class TKeyPair {
public:
    TKeyPair() {
        EVP_PKEY_CTX* ctx = EVP_PKEY_CTX_new_id(EVP_PKEY_ED25519, nullptr);
        EVP_PKEY_keygen_init(ctx);
        EVP_PKEY_keygen(ctx, &m_key);
        EVP_PKEY_CTX_free(ctx);
    }
    ~TKeyPair() { EVP_PKEY_free(m_key); }
    TKeyPair(const TKeyPair&) = delete;
    TKeyPair& operator=(const TKeyPair&) = delete;

    std::string PublicBase64() const {
        unsigned char raw[32];
        std::size_t size = sizeof raw;
        EVP_PKEY_get_raw_public_key(m_key, raw, &size);
        return Base64Encode(std::string(reinterpret_cast<char*>(raw), size));
    }
    std::string SignBase64(const std::string& message) const {
        EVP_MD_CTX* ctx = EVP_MD_CTX_new();
        EVP_DigestSignInit(ctx, nullptr, nullptr, nullptr, m_key);
        unsigned char signature[64];
        std::size_t size = sizeof signature;
        EVP_DigestSign(ctx, signature, &size,
                       reinterpret_cast<const unsigned char*>(message.data()), message.size());
        EVP_MD_CTX_free(ctx);
        return Base64Encode(std::string(reinterpret_cast<char*>(signature), size));
    }

    // The private key as a PEM (PKCS#8) file, as the catalog service's release command takes it.
    void WritePem(const std::filesystem::path& file) const {
        FILE* out = std::fopen(file.c_str(), "wb");
        if (!out) throw std::runtime_error("cannot write " + file.string());
        const int written = PEM_write_PrivateKey(out, m_key, nullptr, nullptr, 0, nullptr, nullptr);
        std::fclose(out);
        if (written != 1) throw std::runtime_error("cannot write " + file.string());
    }

private:
    EVP_PKEY* m_key = nullptr;
};

// One entry of a test package: its content, permission bits, or a symbolic link.
struct TZipEntry {
    std::string Content;
    unsigned Mode = 0644;
    bool Symlink = false;
};

inline void WriteZip(const std::filesystem::path& file,
                     const std::map<std::string, TZipEntry>& entries) {
    int error = 0;
    zip_t* zip = zip_open(file.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!zip) throw std::runtime_error("cannot create " + file.string());
    for (const auto& [name, entry] : entries) {
        zip_source_t* source =
            zip_source_buffer(zip, entry.Content.data(), entry.Content.size(), 0);
        const zip_int64_t index = zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) throw std::runtime_error("cannot add " + name);
        const unsigned type = entry.Symlink ? 0120000u : 0100000u;
        zip_file_set_external_attributes(zip, static_cast<zip_uint64_t>(index), 0, ZIP_OPSYS_UNIX,
                                         (type | entry.Mode) << 16);
    }
    if (zip_close(zip) != 0) throw std::runtime_error("cannot write " + file.string());
}

// Every file below a folder (links as "-> target"), by relative path.
inline std::map<std::string, std::string> Snapshot(const std::filesystem::path& dir) {
    std::map<std::string, std::string> files;
    for (auto it = std::filesystem::recursive_directory_iterator(dir);
         it != std::filesystem::recursive_directory_iterator(); ++it) {
        const auto rel = it->path().lexically_relative(dir).string();
        if (it->is_symlink()) {
            files[rel] = "-> " + std::filesystem::read_symlink(it->path()).string();
        } else if (it->is_regular_file()) {
            files[rel] = ReadBytes(it->path());
        } else {
            files[rel + "/"] = "";
        }
    }
    return files;
}

// What one published release looks like; tests change single fields to break it.
struct TRelease {
    std::string VerId = "13.6.1.201";
    std::string Description = "Весенний выпуск";
    std::map<std::string, TZipEntry> Files = {
        {"Marvolet_5z36", {"new program", 0755}},
        {"help/guide.txt", {"new guide"}},
    };
    std::string OriginalFileName = "Marvolet_5z36_13.6.1.201.zip";
    bool WithCrc = true;
    std::string CrcOverride;               // written instead of the true CRC when not empty
    std::vector<std::string> ExtraKeys;    // further "Key=Value" lines of the section
    std::vector<std::string> GlobalLines;  // lines of [GlobalOptions]
    std::string DescriptionText = "Исправлены ошибки.\r\nУскорен расчёт.";
    bool SignDescription = true;
    bool SignPackage = true;
    bool ChangePackageAfterSigning = false;
    bool CorruptDescriptionSignature = false;
};

class TUpdateSite {
public:
    explicit TUpdateSite(const std::filesystem::path& root) : m_root(root) {
        std::filesystem::create_directories(root / "UpdDescr");
        std::filesystem::create_directories(root / "packages");
    }

    // The description's location for a file source.
    std::filesystem::path DescriptionPath() const { return m_root / "Quelm_AU.cfg"; }

    // Writes the package, the description text, the description and their signatures.
    // `packageUrl` is where the description says the package lies (default: its file path).
    void Publish(const TRelease& release, const TKeyPair& key, std::string packageUrl = {}) {
        const auto package = m_root / "packages" / release.OriginalFileName;
        WriteZip(package, release.Files);
        std::string bytes = ReadBytes(package);
        char crc[9];
        std::snprintf(crc, sizeof crc, "%08x", Crc32(bytes));
        const std::string signature = key.SignBase64(bytes);
        if (release.ChangePackageAfterSigning) {
            bytes[bytes.size() / 2] = static_cast<char>(bytes[bytes.size() / 2] ^ 1);
            WriteBytes(package, bytes);
        }
        if (packageUrl.empty()) packageUrl = package.string();
        std::string ini = "[marvolet_5z36]\r\nverid=" + release.VerId +
                          "\r\nDESCRIPTION=" + release.Description +
                          "\r\nDownloadUrl=" + packageUrl +
                          "\r\nOriginalFileName=" + release.OriginalFileName + "\r\n";
        if (release.WithCrc) {
            ini += "ChecksumCRC32=" +
                   (release.CrcOverride.empty() ? std::string(crc) : release.CrcOverride) + "\r\n";
        }
        if (release.SignPackage) ini += "PackageSignature=" + signature + "\r\n";
        for (const auto& line : release.ExtraKeys) ini += line + "\r\n";
        ini += "[GlobalOptions]\r\n";
        for (const auto& line : release.GlobalLines) ini += line + "\r\n";
        WriteBytes(DescriptionPath(), ini);
        const auto sig = DescriptionPath().string() + ".sig";
        std::filesystem::remove(sig);
        if (release.SignDescription) {
            WriteBytes(
                sig, key.SignBase64(release.CorruptDescriptionSignature ? ini + " " : ini) + "\n");
        }
        if (!release.DescriptionText.empty()) {
            WriteBytes(m_root / "UpdDescr" / ("UpdDescr_" + release.VerId + ".txt"),
                       release.DescriptionText);
        }
    }

private:
    std::filesystem::path m_root;
};

}  // namespace mv::test
