// A small Platform for the window tests: real files in one folder, and a record of what the
// game asked of the desktop.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace fitzel::test {

class MiniPlatform : public Platform {
  public:
    explicit MiniPlatform(std::string folder) : folder_(std::move(folder)) {}

    std::vector<std::string> openedDocuments;

    std::string showPieceCell(int, const std::string&, int) override { return {}; }
    std::string showBoardCell(int, CellLook, const std::string&) override { return {}; }
    std::string showPreviewCell(int, CellLook, const std::string&) override { return {}; }
    void setLabel(Label, const std::string&) override {}
    void setTimerInterval(TimerId, int) override {}
    BoxAnswer messageBox(const std::string&, const std::string&, BoxIcon, BoxButtons) override {
        return BoxAnswer::Ok;
    }
    std::string inputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    void showScoresWindow() override {}

    std::string programFolder() override { return folder_; }

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
    [[noreturn]] void fatalError(const std::string& file, const std::string& fault) override {
        throw std::runtime_error(file + ": " + fault);
    }

  private:
    std::string folder_;
};

}  // namespace fitzel::test
