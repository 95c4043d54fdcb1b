// A UI Automation client for the tests under Wine: prints, one per line, the control type and
// the name of every element of the window whose title is its argument, the window first, in the
// order of the tree, then "selected" where the element is a selected item of a selection, and
// "focused" where it has the keyboard focus, each after a tab. Ends with 3 where there is no UI
// Automation client object to be had, with 4 where there is no such window, and with 5 where its
// tree cannot be read.

#include <windows.h>

#include <ole2.h>
#include <uiautomation.h>

#include <cstdio>
#include <string>

namespace {

std::string utf8(const wchar_t *text)
{
    if (!text)
        return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2)
        return 2;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    IUIAutomation *automation = nullptr;
    if (FAILED(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER,
            IID_IUIAutomation, reinterpret_cast<void **>(&automation))))
        return 3;
    const HWND window = FindWindowW(nullptr, argv[1]);
    if (!window)
        return 4;
    IUIAutomationElement *root = nullptr;
    IUIAutomationCondition *every = nullptr;
    IUIAutomationElementArray *found = nullptr;
    if (FAILED(automation->ElementFromHandle(window, &root)) || !root
        || FAILED(automation->CreateTrueCondition(&every))
        || FAILED(root->FindAll(TreeScope_Subtree, every, &found)) || !found)
        return 5;
    int count = 0;
    found->get_Length(&count);
    for (int i = 0; i < count; ++i) {
        IUIAutomationElement *element = nullptr;
        if (FAILED(found->GetElement(i, &element)))
            return 5;
        BSTR name = nullptr;
        CONTROLTYPEID type = 0;
        element->get_CurrentName(&name);
        element->get_CurrentControlType(&type);
        // Selected, where the element's selection item says so (Wine 10's client does not read
        // that yet), and focused.
        const auto flag = [element](PROPERTYID property) {
            VARIANT value;
            VariantInit(&value);
            const bool set = SUCCEEDED(element->GetCurrentPropertyValueEx(property, TRUE, &value))
                && value.vt == VT_BOOL && value.boolVal == VARIANT_TRUE;
            VariantClear(&value);
            return set;
        };
        const bool isSelected = flag(UIA_SelectionItemIsSelectedPropertyId);
        const bool focused = flag(UIA_HasKeyboardFocusPropertyId);
        std::printf("%d\t%s%s%s\n", int(type), utf8(name).c_str(), isSelected ? "\tselected" : "",
            focused ? "\tfocused" : "");
        SysFreeString(name);
        element->Release();
    }
    std::fflush(stdout);
    return 0;
}
