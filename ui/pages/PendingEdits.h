#pragma once
// What every page of the sheet promises the view: text typed into a field and not yet left is given up when
// asked, exactly as if the field had been left, so no command ever reads a record older than the screen.

class CPendingEdits {
public:
    virtual ~CPendingEdits() = default;
    // Runs the leave rule of every field holding typed text. True when there was nothing to commit or all
    // of it was taken; false when a rule refused an entry (its message was shown and the focus is back in the
    // field): the command that asked must not go on.
    virtual bool CommitPending() = 0;
};
