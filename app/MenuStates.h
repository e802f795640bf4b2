#pragma once

#include <initializer_list>
#include <utility>

class CommandRegistry;

// The menus' own enabling rules, applied to the window's items from the state when a
// menu opens, and again whenever the state changes so that a short-cut sees it too.
class MenuStates
{
public:
    struct State
    {
        int tabCount = 0;
        // Of the active page; 0 without one.
        int selLength = 0;
        bool activePage = false;
        bool clipboardText = false;
        // The save button follows the active page's modified flag.
        bool saveButton = false;
        bool toolBarShown = true;
        int tabWidthIndex = 0;
    };

    explicit MenuStates(CommandRegistry &items) : items_(items) {}

    void fileMenu(const State &s);
    void editMenu(const State &s);
    void memoPopup(const State &s);
    void htmlMenu(const State &s) { directItems("MenuHtml", s.tabCount > 0); }
    void cssMenu(const State &s) { directItems("MenuCSS", s.tabCount > 0); }
    void searchMenu(const State &s) { directItems("MenuSearch", s.tabCount > 0); }
    void toolMenu(const State &s);
    void optionMenu(const State &s);
    void pagePopup(const State &s);
    void toolButtons(const State &s);
    // Every rule above but the tool buttons'.
    void all(const State &s);

private:
    // The menu's own items (not those of its sub-menus).
    void directItems(const char *menuName, bool on);
    void enable(std::initializer_list<std::pair<const char *, bool>> states);

    CommandRegistry &items_;
};
