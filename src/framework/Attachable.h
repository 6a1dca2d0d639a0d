#pragma once

namespace desklet {

// A control class that finishes its set-up when a dialog first binds it through
// DDX_Control, after the dialog has placed it, rather than when it is constructed.
class Attachable {
public:
    virtual ~Attachable() = default;

    // Runs PreSubclassWindow() the first time only.
    void Attach() {
        if (!m_bAttached) {
            m_bAttached = true;
            PreSubclassWindow();
        }
    }
    bool IsAttached() const { return m_bAttached; }

protected:
    virtual void PreSubclassWindow() {}

private:
    bool m_bAttached = false;
};

} // namespace desklet
