#pragma once
// Modal questions and notices. The program answers them with QMessageBox; tests answer them
// with a script.

#include <QString>

class QWidget;

namespace quimerix::ui {

class Missatges {
public:
    virtual ~Missatges() = default;
    // A Yes/No question; true for Yes.
    virtual bool pregunta(const QString& títol, const QString& text) = 0;
    // A notice with an OK button.
    virtual void avisa(const QString& títol, const QString& text) = 0;
};

class MissatgesQt final : public Missatges {
public:
    explicit MissatgesQt(QWidget* pare) : pare_(pare) {}
    bool pregunta(const QString& títol, const QString& text) override;
    void avisa(const QString& títol, const QString& text) override;

private:
    QWidget* pare_;
};

} // namespace quimerix::ui
