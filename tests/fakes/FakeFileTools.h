#pragma once
// In-memory stand-ins for the file tools' platform: a tree of folders and
// files for the directory search and the explorer's lists, file copy and
// delete that record what they did, and a desktop of top-level windows.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "common/Errors.h"
#include "platform/DirectorySearch.h"
#include "platform/EventPump.h"
#include "platform/FileOperations.h"
#include "platform/FolderLists.h"
#include "platform/WindowList.h"
#include "tools/files/CaseFold.h"

namespace wf::test {

inline std::u16string Folded(std::u16string s) {
    for (auto& c : s) c = FoldCase(c);
    return s;
}

// Paths are "x:\a\b"; lookups ignore case, names keep the case they were made with.
class FakeTree : public DirectorySearch, public FolderLists {
public:
    struct Node {
        std::u16string name;
        uint32_t attributes = 0;
        std::vector<std::u16string> children;  // full paths, in the order made
    };
    std::map<std::u16string, Node> nodes;            // by folded full path
    std::map<std::u16string, int> attributeFailures;  // path -> how many queries fail
    std::vector<std::u16string> unreadable;           // folders whose reading fails (no medium)

    // Adds a file or folder ("x:\a\" with the backslash is a folder), and its parents.
    void Add(const std::u16string& path, uint32_t attributes = 0) {
        const bool folder = path.back() == u'\\';
        const std::u16string p = folder ? path.substr(0, path.size() - 1) : path;
        if (nodes.count(Folded(p))) return;
        const size_t slash = p.find_last_of(u'\\');
        const std::u16string parent = p.substr(0, slash);
        if (p.size() > 2) Add(parent + u"\\");
        nodes[Folded(p)] = {p.substr(slash + 1), attributes | (folder ? attr::Directory : 0), {}};
        if (p.size() > 2) nodes[Folded(parent)].children.push_back(p);
    }

    std::u16string First(std::u16string_view pattern, uint32_t mask) override {
        found_.clear();
        next_ = 0;
        std::u16string p(pattern);
        if (!p.empty() && p.back() == u'\\') {
            auto it = nodes.find(Folded(p.substr(0, p.size() - 1)));
            if (it == nodes.end() || !(it->second.attributes & attr::Directory)) return {};
            if (p.size() > 3) found_ = {u".", u".."};
            for (const auto& child : it->second.children) Offer(nodes[Folded(child)], mask);
        } else if (auto it = nodes.find(Folded(p)); it != nodes.end()) {
            Offer(it->second, mask);  // a pattern naming one entry finds that entry
        }
        return Next();
    }
    std::u16string Next() override { return next_ < found_.size() ? found_[next_++] : std::u16string(); }
    uint32_t Attributes(std::u16string_view path) override {
        const std::u16string p(path);
        queried.push_back(p);
        if (auto f = attributeFailures.find(p); f != attributeFailures.end() && f->second > 0) {
            --f->second;
            throw MakeError(err::PathFileAccess);
        }
        auto it = nodes.find(Folded(p));
        if (it == nodes.end()) throw MakeError(err::FileNotFound);
        return it->second.attributes;
    }

    std::vector<DriveEntry> drives{{u'c', u"SYSTEM"}, {u'z', u""}};
    std::map<char16_t, std::u16string> currentFolders{{u'c', u"c:\\Program Files\\Wrenfold"}, {u'z', u"z:\\"}};

    std::vector<DriveEntry> Drives() override { return drives; }
    std::u16string FullFolderPath(std::u16string_view folder) override {
        std::u16string p(folder);
        if (p.size() == 2 && p[1] == u':') p = currentFolders[p[0]];
        if (p.size() > 3 && p.back() == u'\\') p.pop_back();
        if (std::find(unreadable.begin(), unreadable.end(), p) != unreadable.end()) throw CommandError(71, u"Disk not ready");
        auto it = nodes.find(Folded(p.size() == 3 ? p.substr(0, 2) : p));
        if (it == nodes.end() || !(it->second.attributes & attr::Directory)) throw MakeError(err::PathNotFound);
        return p;
    }
    FolderContents Read(std::u16string_view folder) override {
        std::u16string p(folder);
        FolderContents c;
        for (const auto& child : nodes.at(Folded(p.size() == 3 ? p.substr(0, 2) : p)).children) {
            const Node& n = nodes[Folded(child)];
            if (n.attributes & (attr::Hidden | attr::System)) continue;
            (n.attributes & attr::Directory ? c.folders : c.files).push_back(n.name);
        }
        return c;
    }

    std::vector<std::u16string> queried;

private:
    void Offer(const Node& n, uint32_t mask) {
        if ((n.attributes & ~mask & (attr::Hidden | attr::System | attr::Directory)) == 0) found_.push_back(n.name);
    }
    std::vector<std::u16string> found_;
    size_t next_ = 0;
};

// Records "copy a > b" and "delete a"; the first `copyFailures` copies and
// `deleteFailures` deletes fail (negative: all of them).
class FakeFileOperations : public FileOperations {
public:
    std::vector<std::u16string> done;
    int copyFailures = 0, deleteFailures = 0;

    void Copy(std::u16string_view from, std::u16string_view to) override {
        Attempt(copyFailures, u"copy " + std::u16string(from) + u" > " + std::u16string(to));
    }
    void Delete(std::u16string_view path) override { Attempt(deleteFailures, u"delete " + std::u16string(path)); }

private:
    void Attempt(int& failures, std::u16string what) {
        if (failures != 0) {
            if (failures > 0) --failures;
            throw MakeError(err::PermissionDenied);
        }
        done.push_back(std::move(what));
    }
};

// Top-level windows, first is topmost; records every query as "call:handle".
class FakeWindowList : public WindowList {
public:
    struct Window {
        WindowHandle handle;
        std::u16string title;
        bool visible;
    };
    static constexpr WindowHandle kDesktop = 0x10;
    std::vector<Window> windows;
    std::vector<std::string> calls;

    WindowHandle Desktop() override { return kDesktop; }
    WindowHandle Related(WindowHandle h, int command) override {
        if (h == kDesktop && command == gw::Child) return windows.empty() ? 0 : windows.front().handle;
        for (size_t i = 0; i + 1 < windows.size(); ++i)
            if (windows[i].handle == h && command == gw::Next) return windows[i + 1].handle;
        return 0;
    }
    bool Visible(WindowHandle h) override {
        calls.push_back("visible");
        return Find(h) && Find(h)->visible;
    }
    int TitleLength(WindowHandle h) override {
        calls.push_back("length");
        return Find(h) ? static_cast<int>(Find(h)->title.size()) : 0;
    }
    std::u16string Title(WindowHandle h, int length) override {
        calls.push_back("title");
        return Find(h) ? Find(h)->title.substr(0, static_cast<size_t>(length)) : std::u16string();
    }
    void Show(WindowHandle h, int command) override {
        calls.push_back("show " + std::to_string(command));
        if (Window* w = Find(h)) w->visible = command != 0;
    }
    Window* Find(WindowHandle h) {
        for (auto& w : windows)
            if (w.handle == h) return &w;
        return nullptr;
    }
};

}  // namespace wf::test
