#pragma once
// Tray icon for tests: keeps picture and hint (with the 63-character rule) and counts the
// hand-overs; restore() raises onRestore like the real one. Tests raise onClick and the menu
// callbacks themselves.
#include "platform/Tray.h"

namespace corvanta::test {

class FakeTray final : public ITray {
public:
    void show() override { ++showCount; }
    void setPicture(int index) override { picture_ = index; }
    int picture() const override { return picture_; }
    bool setHint(const std::string& hint) override {
        if (!hintFits(hint))
            return false;
        hint_ = hint;
        return true;
    }
    std::string hint() const override { return hint_; }
    void minimize() override { ++minimizeCount; }
    void restore() override {
        ++restoreCount;
        if (onRestore)
            onRestore();
    }

    int showCount = 0;
    int minimizeCount = 0;
    int restoreCount = 0;

private:
    int picture_ = 0;
    std::string hint_ = "Corvanta";
};

} // namespace corvanta::test
