#include "engine/update/update_package.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zip.h>

#include <cerrno>
#include <memory>
#include <vector>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/core/text_utils.h"
#include "engine/net/service_codec.h"

namespace fs = std::filesystem;

namespace mv {
namespace {

constexpr std::size_t kEd25519KeyBytes = 32;
constexpr std::size_t kEd25519SignatureBytes = 64;
constexpr mode_t kDefaultFileMode = 0644;
constexpr mode_t kFolderMode = 0755;

struct TPkeyFree {
    void operator()(EVP_PKEY* key) const { EVP_PKEY_free(key); }
};
struct TMdCtxFree {
    void operator()(EVP_MD_CTX* ctx) const { EVP_MD_CTX_free(ctx); }
};
struct TZipClose {
    void operator()(zip_t* zip) const { zip_discard(zip); }
};
struct TZipFileClose {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

const unsigned char* Bytes(const std::string& text) {
    return reinterpret_cast<const unsigned char*>(text.data());
}

// True for a relative name without "..": the lexical half of every name check.
bool LexicallyRelative(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.find('\\') != std::string::npos ||
        name.find('\0') != std::string::npos) {
        return false;
    }
    for (const auto& part : fs::path(name)) {
        if (part == "..") return false;
    }
    return true;
}

std::string PackageError(const fs::path& package, const std::string& reason) {
    return Fmt(Msg(TMsg::PackageNotUnpacked), {package.string(), reason});
}

struct TEntry {
    zip_uint64_t Index = 0;
    std::string Name;
    bool IsFolder = false;
    mode_t Mode = kDefaultFileMode;
};

void WriteEntry(zip_t* zip, const TEntry& entry, const fs::path& target, const fs::path& package) {
    std::unique_ptr<zip_file_t, TZipFileClose> in(zip_fopen_index(zip, entry.Index, 0));
    if (!in) throw EError(PackageError(package, zip_strerror(zip)));
    const int fd =
        ::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, entry.Mode);
    if (fd < 0) {
        const int code = errno;
        throw EOSError(PackageError(package, target.string() + ": " + SysErrorText(code)));
    }
    std::vector<char> buffer(1 << 16);
    int code = 0;
    std::string readError;
    for (;;) {
        const zip_int64_t n = zip_fread(in.get(), buffer.data(), buffer.size());
        if (n < 0) {
            readError = zip_file_strerror(in.get());
            break;
        }
        if (n == 0) break;
        const char* p = buffer.data();
        auto left = static_cast<std::size_t>(n);
        while (left > 0) {
            const ssize_t written = ::write(fd, p, left);
            if (written < 0) {
                if (errno == EINTR) continue;
                code = errno;
                break;
            }
            p += written;
            left -= static_cast<std::size_t>(written);
        }
        if (code != 0) break;
    }
    if (code == 0 && readError.empty() && ::fchmod(fd, entry.Mode) != 0) code = errno;
    if (::close(fd) != 0 && code == 0) code = errno;
    if (!readError.empty()) throw EError(PackageError(package, entry.Name + ": " + readError));
    if (code != 0) {
        throw EOSError(PackageError(package, target.string() + ": " + SysErrorText(code)));
    }
}

}  // namespace

bool IsPublicKeyText(const std::string& publicKeyBase64) {
    return Base64Decode(publicKeyBase64).size() == kEd25519KeyBytes;
}

bool VerifyEd25519(std::string_view message, const std::string& signatureBase64,
                   const std::string& publicKeyBase64) {
    const std::string key = Base64Decode(publicKeyBase64);
    const std::string signature = Base64Decode(signatureBase64);
    if (key.size() != kEd25519KeyBytes || signature.size() != kEd25519SignatureBytes) {
        return false;
    }
    std::unique_ptr<EVP_PKEY, TPkeyFree> pkey(
        EVP_PKEY_new_raw_public_key(EVP_PKEY_ED25519, nullptr, Bytes(key), key.size()));
    std::unique_ptr<EVP_MD_CTX, TMdCtxFree> ctx(EVP_MD_CTX_new());
    if (!pkey || !ctx) return false;
    if (EVP_DigestVerifyInit(ctx.get(), nullptr, nullptr, nullptr, pkey.get()) != 1) return false;
    return EVP_DigestVerify(ctx.get(), Bytes(signature), signature.size(),
                            reinterpret_cast<const unsigned char*>(message.data()),
                            message.size()) == 1;
}

bool StaysInside(const fs::path& base, const fs::path& path) {
    std::error_code ec;
    const fs::path root = fs::weakly_canonical(base, ec);
    if (ec) return false;
    const fs::path resolved = fs::weakly_canonical(path, ec);
    if (ec) return false;
    auto r = root.begin();
    auto p = resolved.begin();
    for (; r != root.end(); ++r, ++p) {
        // A trailing empty part of the root ("dir/") matches anything.
        if (r->empty()) return p != resolved.end();
        if (p == resolved.end() || *p != *r) return false;
    }
    for (; p != resolved.end(); ++p) {
        if (!p->empty()) return true;
    }
    return false;
}

fs::path CheckedListPath(const fs::path& base, const std::string& name, TUpdateNameBase kind) {
    const fs::path path = base / name;
    if (!LexicallyRelative(name) || !StaysInside(base, path)) {
        throw EError(Fmt(kind == TUpdateNameBase::ProgramFolder
                             ? Msg(TMsg::UpdateNameOutsideProgram)
                             : Msg(TMsg::UpdateNameOutsidePackage),
                         {name}));
    }
    return path;
}

void UnpackUpdatePackage(const fs::path& package, const fs::path& folder,
                         const std::string& reservedName) {
    int error = 0;
    std::unique_ptr<zip_t, TZipClose> zip(zip_open(package.c_str(), ZIP_RDONLY, &error));
    if (!zip) {
        zip_error_t ze;
        zip_error_init_with_code(&ze, error);
        const std::string reason = zip_error_strerror(&ze);
        zip_error_fini(&ze);
        throw EError(PackageError(package, reason));
    }
    const zip_int64_t count = zip_get_num_entries(zip.get(), 0);
    std::vector<TEntry> entries;
    for (zip_int64_t i = 0; i < count; ++i) {
        const auto index = static_cast<zip_uint64_t>(i);
        zip_stat_t st;
        if (zip_stat_index(zip.get(), index, 0, &st) != 0 || !(st.valid & ZIP_STAT_NAME)) {
            throw EError(PackageError(package, zip_strerror(zip.get())));
        }
        TEntry entry;
        entry.Index = index;
        entry.Name = st.name;
        entry.IsFolder = !entry.Name.empty() && entry.Name.back() == '/';
        zip_uint8_t system = 0;
        zip_uint32_t attributes = 0;
        if (zip_file_get_external_attributes(zip.get(), index, 0, &system, &attributes) == 0 &&
            system == ZIP_OPSYS_UNIX) {
            const auto mode = static_cast<mode_t>(attributes >> 16);
            if (S_ISLNK(mode)) {
                throw EError(
                    PackageError(package, Fmt(Msg(TMsg::PackageEntrySymlink), {entry.Name})));
            }
            if (S_ISDIR(mode)) entry.IsFolder = true;
            if ((mode & 0777) != 0) entry.Mode = mode & 0777;
        }
        std::string name = entry.Name;
        while (!name.empty() && name.back() == '/') name.pop_back();
        const bool reserved = !name.empty() && *fs::path(name).begin() == reservedName;
        if (!LexicallyRelative(name) || reserved) {
            throw EError(PackageError(package, Fmt(Msg(TMsg::PackageEntryBadName), {entry.Name})));
        }
        entry.Name = name;
        entries.push_back(std::move(entry));
    }
    for (const TEntry& entry : entries) {
        const fs::path target = folder / entry.Name;
        std::error_code ec;
        fs::create_directories(entry.IsFolder ? target : target.parent_path(), ec);
        if (ec) {
            throw EOSError(
                PackageError(package, target.string() + ": " + SysErrorText(ec.value())));
        }
        if (entry.IsFolder) {
            ::chmod(target.c_str(), kFolderMode);
            continue;
        }
        WriteEntry(zip.get(), entry, target, package);
    }
}

}  // namespace mv
