#pragma once
// The program's own window for a file's properties, standing in for the
// system's property sheet: name, kind, folder, size, last change, read-only.
#include <QWidget>

#include "shell/file_facts.h"

class QFormLayout;
class QLabel;

namespace pelin::shell::qt {

class PropertiesWindow : public QWidget {
    Q_OBJECT
public:
    explicit PropertiesWindow(QWidget* parent = nullptr);
    // Shows the facts of `path` (which may name no file).
    void showFacts(const FileFacts& facts);

private:
    QLabel* problem_ = nullptr;
    QWidget* factsBox_ = nullptr;
    QFormLayout* form_ = nullptr;
};

}  // namespace pelin::shell::qt
