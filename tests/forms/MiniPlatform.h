// A small Platform for the window tests: real files in one folder, and a record of what the
// game asked of the desktop.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/NullPlatform.h"

namespace fitzel::test {

class MiniPlatform : public NullPlatform {
  public:
    explicit MiniPlatform(std::string folder) : NullPlatform(std::move(folder)) {}

    std::vector<std::string> openedDocuments;

    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }

    FileRead readFile(const std::string& path, std::size_t maxBytes) override {
        FileRead result;
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            result.status = FileRead::Status::Missing;
            result.fault = "File not found";
            return result;
        }
        std::ostringstream bytes;
        bytes << in.rdbuf();
        result.status = FileRead::Status::Ok;
        result.bytes = bytes.str();
        if (result.bytes.size() > maxBytes) {
            result.bytes.resize(maxBytes);
            result.truncated = true;
        }
        return result;
    }

    std::string replaceFile(const std::string& path, const std::string& bytes) override {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << bytes;
        return out ? std::string() : std::string("Permission denied");
    }

    double random() override { return 0.0; }
    void openDocument(const std::string& address) override { openedDocuments.push_back(address); }
};

}  // namespace fitzel::test
