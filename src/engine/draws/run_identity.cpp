#include "engine/draws/run_identity.h"

#include <fcntl.h>
#include <openssl/evp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

#include "engine/core/errors.h"
#include "engine/core/messages.h"
#include "engine/support/config_file.h"

namespace mv {
namespace {

struct TDigestFree {
    void operator()(EVP_MD_CTX* ctx) const { EVP_MD_CTX_free(ctx); }
};
using TDigest = std::unique_ptr<EVP_MD_CTX, TDigestFree>;

TDigest NewSha256() {
    TDigest ctx(EVP_MD_CTX_new());
    if (!ctx || EVP_DigestInit_ex(ctx.get(), EVP_sha256(), nullptr) != 1)
        throw EError(Msg(TMsg::Sha256Error));
    return ctx;
}

void Update(EVP_MD_CTX* ctx, const void* data, std::size_t size) {
    if (EVP_DigestUpdate(ctx, data, size) != 1) throw EError(Msg(TMsg::Sha256Error));
}

std::string FinalHex(EVP_MD_CTX* ctx) {
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(ctx, digest, &length) != 1) throw EError(Msg(TMsg::Sha256Error));
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    text.reserve(length * 2);
    for (unsigned int i = 0; i < length; ++i) {
        text += kHex[digest[i] >> 4];
        text += kHex[digest[i] & 0x0F];
    }
    return text;
}

[[noreturn]] void ThrowFileError(const std::filesystem::path& path, int code) {
    throw EOSError("\"" + path.string() + "\": " + SystemMessage(code));
}

// The file is read in pieces: an archive may be large and only its digest is kept.
std::string FileSha256Hex(const std::filesystem::path& path) {
    TDigest ctx = NewSha256();
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT) return FinalHex(ctx.get());
        ThrowFileError(path, errno);
    }
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};
    struct stat st {};
    if (::fstat(fd, &st) != 0) ThrowFileError(path, errno);
    if (S_ISDIR(st.st_mode)) ThrowFileError(path, EISDIR);
    unsigned char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowFileError(path, errno);
        }
        if (n == 0) break;
        Update(ctx.get(), buffer, static_cast<std::size_t>(n));
    }
    return FinalHex(ctx.get());
}

}  // namespace

std::string Sha256Hex(std::string_view bytes) {
    TDigest ctx = NewSha256();
    Update(ctx.get(), bytes.data(), bytes.size());
    return FinalHex(ctx.get());
}

TRunIdentity MakeRunIdentity(const std::filesystem::path& archive, int drawsOffset,
                             const TConfigData& config) {
    TRunIdentity identity;
    identity.ArchiveSha256 = FileSha256Hex(archive);
    identity.DrawsOffset = drawsOffset;
    identity.Cost = config.Cost;
    identity.Profits = config.Profits;
    identity.Version = MV_VERSION;
    return identity;
}

std::string RunIdentityText(const TRunIdentity& identity) {
    std::string prizes;
    for (const TProfitRec& p : identity.Profits) {
        if (!prizes.empty()) prizes += "; ";
        prizes += std::to_string(p.Overlap) + "=" + MoneyToText(p.Profit);
    }
    if (prizes.empty()) prizes = Msg(TMsg::RunIdentityNoPrizes);
    return Msg(TMsg::RunIdentityPrefix) + identity.ArchiveSha256.substr(0, 12) +
           Msg(TMsg::RunIdentityOffset) + std::to_string(identity.DrawsOffset) +
           Msg(TMsg::RunIdentityCost) + MoneyToText(identity.Cost) + Msg(TMsg::RunIdentityPrizes) +
           prizes + Msg(TMsg::RunIdentityVersion) + identity.Version;
}

}  // namespace mv
