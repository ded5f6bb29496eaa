// The check boxes and buttons Windows' screen readers read in a window over
// UI Automation, in the tree's order, a line each in UTF-8.
// Usage: uiAutomation.exe TITLE
#include <windows.h>
#include <uiautomation.h>

#include <cstdio>

int main(int argc, char **argv)
{
    IUIAutomation *automation = nullptr;
    IUIAutomationElement *window = nullptr;
    IUIAutomationCondition *any = nullptr;
    IUIAutomationElementArray *elements = nullptr;
    int count = 0;
    if (argc != 2 || FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))
        || FAILED(CoCreateInstance(__uuidof(CUIAutomation), nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&automation)))
        || FAILED(automation->ElementFromHandle(FindWindowA(nullptr, argv[1]), &window))
        || FAILED(automation->CreateTrueCondition(&any)) || FAILED(window->FindAll(TreeScope_Subtree, any, &elements))
        || FAILED(elements->get_Length(&count)))
        return 1;
    for (int i = 0; i < count; ++i) {
        IUIAutomationElement *element = nullptr;
        CONTROLTYPEID type = 0;
        BSTR name = nullptr;
        char utf8[256] = {};
        elements->GetElement(i, &element);
        element->get_CurrentControlType(&type);
        element->get_CurrentName(&name);
        WideCharToMultiByte(CP_UTF8, 0, name ? name : L"", -1, utf8, sizeof utf8, nullptr, nullptr);
        if (type == UIA_CheckBoxControlTypeId || type == UIA_ButtonControlTypeId)
            std::printf("%s %s\n", type == UIA_CheckBoxControlTypeId ? "CheckBox" : "Button", utf8);
        SysFreeString(name);
        element->Release();
    }
}
