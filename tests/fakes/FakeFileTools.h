#pragma once
// In-memory stand-ins for the file tools' platform: a tree of folders and
// files for the directory search, file copy and delete that record what
// they did, and a desktop of top-level windows.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "common/Errors.h"
#include "platform/DirectorySearch.h"
#include "platform/FileOperations.h"
#include "platform/WindowList.h"
#include "tools/files/CaseFold.h"

namespace wf::test {

// Paths are "x:\a\b", a folder's with its backslash; adding a path adds its
// parents. Lookups ignore case, names keep the case they were made with.
class FakeTree : public DirectorySearch {
public:
    std::map<std::u16string, int> attributeFailures;  // path -> how many queries fail
    std::vector<std::u16string> queried;              // every attribute query

    void Add(std::u16string p, uint32_t attributes = 0) {
        if (p.back() == u'\\') p.pop_back(), attributes |= attr::Directory;
        if (nodes_.count(Key(p))) return;
        const size_t slash = p.find_last_of(u'\\');
        if (slash != std::u16string::npos) Add(p.substr(0, slash + 1)), nodes_[Key(p.substr(0, slash))].children.push_back(p);
        nodes_[Key(p)] = {p.substr(slash + 1), attributes, {}};
    }
    std::u16string First(std::u16string_view pattern, uint32_t mask) override {
        found_.clear();
        std::u16string p(pattern);
        const bool inside = p.back() == u'\\';  // the folder's contents, not the folder
        if (inside) p.pop_back();
        const auto n = nodes_.find(Key(p));
        std::vector<const Node*> offered;
        if (n != nodes_.end() && !inside) offered.push_back(&n->second);
        if (n != nodes_.end() && inside && (n->second.attributes & attr::Directory)) {
            if (p.size() > 2) found_ = {u".", u".."};
            for (const auto& child : n->second.children) offered.push_back(&nodes_.at(Key(child)));
        }
        for (const Node* o : offered)
            if ((o->attributes & ~mask & (attr::Hidden | attr::System | attr::Directory)) == 0) found_.push_back(o->name);
        std::reverse(found_.begin(), found_.end());
        return Next();
    }
    std::u16string Next() override {
        if (found_.empty()) return {};
        std::u16string name = found_.back();
        found_.pop_back();
        return name;
    }
    uint32_t Attributes(std::u16string_view path) override {
        const std::u16string p = queried.emplace_back(path);
        if (auto f = attributeFailures.find(p); f != attributeFailures.end() && f->second-- > 0)
            throw MakeError(err::PathFileAccess);
        if (const auto n = nodes_.find(Key(p)); n != nodes_.end()) return n->second.attributes;
        throw MakeError(err::FileNotFound);
    }

private:
    struct Node {
        std::u16string name;
        uint32_t attributes = 0;
        std::vector<std::u16string> children;  // full paths, in the order made
    };
    static std::u16string Key(std::u16string s) {
        for (auto& c : s) c = FoldCase(c);
        return s;
    }
    std::map<std::u16string, Node> nodes_;  // by folded full path
    std::vector<std::u16string> found_;     // the running search's names still to give, last first
};

// Records "copy a > b" and "delete a"; the first `copyFailures` copies and
// `deleteFailures` deletes fail.
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
        if (failures > 0 && failures--) throw MakeError(err::PermissionDenied);
        done.push_back(std::move(what));
    }
};

// Top-level windows, first is topmost; records the queries that the listing rules order.
class FakeWindowList : public WindowList {
public:
    struct Window { WindowHandle handle; std::u16string title; bool visible; };
    static constexpr WindowHandle kDesktop = 0x10;
    std::vector<Window> windows;
    std::string calls;  // l: title length, t: title, v: visible, 0/1: shown with that command

    WindowHandle Desktop() override { return kDesktop; }
    WindowHandle Related(WindowHandle h, int command) override {
        if (h == kDesktop && command == gw::Child) return windows.empty() ? 0 : windows.front().handle;
        for (size_t i = 0; i + 1 < windows.size(); ++i)
            if (windows[i].handle == h && command == gw::Next) return windows[i + 1].handle;
        return 0;
    }
    bool Visible(WindowHandle h) override { return calls += 'v', Find(h) && Find(h)->visible; }
    int TitleLength(WindowHandle h) override { return calls += 'l', Find(h) ? static_cast<int>(Find(h)->title.size()) : 0; }
    std::u16string Title(WindowHandle h, int n) override {
        return calls += 't', Find(h) ? Find(h)->title.substr(0, static_cast<size_t>(n)) : u"";
    }
    void Show(WindowHandle h, int command) override {
        calls += static_cast<char>('0' + command);
        if (Window* w = Find(h)) w->visible = command != 0;
    }
    Window* Find(WindowHandle h) {
        for (auto& w : windows)
            if (w.handle == h) return &w;
        return nullptr;
    }
};

}  // namespace wf::test
