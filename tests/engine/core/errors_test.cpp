#include "engine/core/errors.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace mv {
namespace {

TEST(SystemErrors, TextForms) {
    EXPECT_EQ(SysErrorText(0), SystemMessage(0) + ".");
    EXPECT_EQ(SysErrorShortText(0), SystemMessage(0) + ".");
    EXPECT_EQ(SysErrorText(ENOENT), "SysError #2: \"" + SystemMessage(ENOENT) + "\"!");
    EXPECT_EQ(SysErrorShortText(ENOENT), "\"" + SystemMessage(ENOENT) + "\"!");
    EXPECT_FALSE(SystemMessage(ENOENT).empty());
}

TEST(SystemErrors, RaiseOnlyForANonZeroCode) {
    EXPECT_NO_THROW(RaiseSystemError(0));
    try {
        RaiseSystemError(EACCES);
        FAIL() << "no error";
    } catch (const EOSError& e) {
        EXPECT_EQ(e.what(), SysErrorText(EACCES));
    }
    errno = ENOENT;
    EXPECT_THROW(RaiseLastSystemError(), EOSError);
    errno = 0;
    EXPECT_NO_THROW(RaiseLastSystemError());
}

}  // namespace
}  // namespace mv
