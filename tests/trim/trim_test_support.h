// What the trimming tests share: the carried tool's bytes, whole files written and read back, and a
// watcher that sees every child process this test program starts.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

#include <atomic>
#include <map>
#include <string>
#include <string_view>
#include <thread>

#include "resources/trim_tool.h"
#include "runtime/byte_set.h"
#include "runtime/unique_handle.h"

namespace trim_test {

using runtime::UniqueHandle;

inline std::string CarriedTool() {
  return std::string(runtime::ByteSet::FromLayout(resources::TrimToolImage).View());
}

// This program's temporary folder, ending in a backslash.
inline std::string TempFolder() {
  char path[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, path);
  return path;
}

inline bool WriteBytes(const std::string& path, std::string_view bytes) {
  const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                           nullptr) && written == bytes.size();
}

// The whole file, or "<missing>" when it cannot be opened.
inline std::string ReadBytes(const std::string& path) {
  const UniqueHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return "<missing>";
  std::string bytes(GetFileSize(file.Get(), nullptr), '\0');
  DWORD read = 0;
  ReadFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  bytes.resize(read);
  return bytes;
}

// Records, from the moment it is made until Stop, the executable name of every process started by
// this program (polling process snapshots; a started program lives far longer than a poll).
// Children listed when it is made, such as one that ended a moment ago, are not counted.
class ChildWatcher {
 public:
  ChildWatcher() : earlier_(Children()), poller_([this] { Poll(); }) {}
  ~ChildWatcher() { Stop(); }
  ChildWatcher(const ChildWatcher&) = delete;
  ChildWatcher& operator=(const ChildWatcher&) = delete;

  // Child process id -> executable name, for every new child seen.
  const std::map<DWORD, std::string>& Stop() {
    stop_ = true;
    if (poller_.joinable()) poller_.join();
    return seen_;
  }

 private:
  // The processes whose parent is this program, listed now.
  static std::map<DWORD, std::string> Children() {
    std::map<DWORD, std::string> children;
    const UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = snapshot && Process32First(snapshot.Get(), &entry); more;
         more = Process32Next(snapshot.Get(), &entry)) {
      if (entry.th32ParentProcessID == GetCurrentProcessId()) {
        children[entry.th32ProcessID] = entry.szExeFile;
      }
    }
    return children;
  }

  void Poll() {
    while (!stop_) {
      for (const auto& [pid, name] : Children()) {
        if (!earlier_.contains(pid)) seen_[pid] = name;
      }
      Sleep(1);
    }
  }

  const std::map<DWORD, std::string> earlier_;
  std::atomic<bool> stop_ = false;
  std::map<DWORD, std::string> seen_;
  std::thread poller_;  // last: starts once the members it uses exist
};

}  // namespace trim_test
