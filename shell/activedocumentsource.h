#pragma once

class CKeshDoc;
class CMyglView;
class UserPrompts;

// What the bars need from the main frame: the active document and view, looked up afresh
// on every action (nullptr when no document window is active), and the user dialogs.
class ActiveDocumentSource {
public:
    virtual ~ActiveDocumentSource() = default;

    virtual CKeshDoc* activeDocument() = 0;
    virtual CMyglView* activeView() = 0;
    virtual UserPrompts& prompts() = 0;
};
