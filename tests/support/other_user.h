#pragma once
// Runs a stretch of a test as an ordinary user, so that permissions hold:
// the superuser writes read-only files and folders anyway. Under the
// superuser the given files and folders are handed to "nobody" (65534)
// and the effective user becomes nobody until the end of the scope; under
// any other user nothing changes. Only for single-threaded stretches of
// a test: the effective user is the whole process's.

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <initializer_list>

namespace fretlab::testing {

class AsOrdinaryUser {
 public:
  static constexpr uid_t kNobody = 65534;

  explicit AsOrdinaryUser(std::initializer_list<std::filesystem::path> owned) {
    if (::geteuid() != 0) return;
    for (const std::filesystem::path& path : owned) {
      EXPECT_EQ(::lchown(path.c_str(), kNobody, kNobody), 0) << path;
    }
    switched_ = ::setegid(kNobody) == 0 && ::seteuid(kNobody) == 0;
    EXPECT_TRUE(switched_) << "could not become nobody";
  }
  ~AsOrdinaryUser() {
    if (!switched_) return;
    EXPECT_EQ(::seteuid(0), 0);
    EXPECT_EQ(::setegid(0), 0);
  }
  AsOrdinaryUser(const AsOrdinaryUser&) = delete;
  AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;

 private:
  bool switched_ = false;
};

}  // namespace fretlab::testing
