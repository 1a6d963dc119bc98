#pragma once
// Qt's stand-ins for the remaining platform facilities: pictures, the clipboard
// and the shell.
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include "form/services.h"

namespace pelin::form::qt {

class QtPicture : public Picture {
public:
    explicit QtPicture(QPixmap pixmap) : pixmap_(std::move(pixmap)) {}
    // In device-independent pixels, whatever the pixmap's pixel ratio.
    int width() const override { return qRound(pixmap_.deviceIndependentSize().width()); }
    int height() const override { return qRound(pixmap_.deviceIndependentSize().height()); }
    const QPixmap& pixmap() const { return pixmap_; }

private:
    QPixmap pixmap_;
};

// The pixmap of a picture that this layer loaded; null for any other picture.
const QPixmap* pixmapOf(const Picture* picture);

// Reads the picture format from the file's bytes, so a character file named
// ".pcf" loads whatever picture it holds.
class QtPictureLoader : public PictureLoader {
public:
    std::shared_ptr<Picture> load(const std::filesystem::path& path) override;
};

class QtClipboard : public Clipboard {
public:
    bool hasText() override;
    Text text() override;
    void setText(TextView text) override;
};

// The shell's Qt side: Internet options open the system's panel on Windows and
// report that there is none elsewhere. File properties are shown by the
// program's own window (shell::qt::FileShell).
class QtShell : public Shell {
public:
    explicit QtShell(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    bool showInternetOptions() override;
    // Through the desktop's opener for the address (xdg-open), which is not
    // waited for; what it says when it gives up is the reason.
    void openInBrowser(TextView url, std::function<void(Text reason)> failed) override;

protected:
    QWidget* parentWindow() const { return parent_.data(); }

private:
    QPointer<QWidget> parent_;
};

// The shell of a window that asks it only to show pages in the browser.
class QtBrowserShell : public QtShell {
public:
    using QtShell::QtShell;
    void showFileProperties(TextView) override {}
};

}  // namespace pelin::form::qt
