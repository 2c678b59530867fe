#pragma once
// frmArxius: the program's own modal window for choosing a session file, to save a set into
// (save mode) or to print a stored one (open mode). After exec() the caller reads txtRuta_Arxiu():
// a full path, or "Cancel".

#include <QDialog>
#include <QList>
#include <QString>

#include "missatges.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace quimerix::ui {

// What the chooser says when the place chosen to save a set cannot be written to.
QString avis_no_escrivible(const QString &ruta);

class frmArxius : public QDialog {
  public:
    enum class Mode { Desar, Obrir };
    // A volume offered in Drive1: what the student reads and where it starts.
    struct Unitat {
        QString nom;
        QString arrel;
    };

    // Opens in `carpeta` (the Documents folder when empty or missing). `unitats` replaces the
    // system's volumes when not empty.
    frmArxius(Mode mode, const QString &carpeta, Missatges &missatges, QWidget *pare = nullptr,
              const QList<Unitat> &unitats = {});

    // Puts a proposed name in the name box (save mode).
    void proposa_nom(const QString &nom);
    // The full path chosen, or "Cancel".
    const QString &txtRuta_Arxiu() const { return ruta_; }
    // The folder shown in Dir1.
    const QString &carpeta() const { return carpeta_; }

    // The volumes a student would pick from: the personal folder first, then the root, removable
    // media, network shares and data disks.
    static QList<Unitat> unitats_del_sistema();
    // The user's Documents folder, created if missing (the personal folder if it cannot be).
    static QString carpeta_documents();

    QGroupBox *FrameUnitat, *FrameRuta, *FrameArxius, *FrameNomArxiu, *FrameSeleccio;
    QLabel *Label1; // the instruction
    QComboBox *Drive1;
    QListWidget *Dir1;
    QListWidget *File1;
    QLineEdit *Text1;
    QComboBox *Combo1;
    QLabel *Label2;
    QPushButton *Command1, *Command2, *Command3;

  public:
    void reject() override;

  protected:
    bool eventFilter(QObject *objecte, QEvent *event) override;

  private:
    void construeix();
    void posa_carpeta(const QString &carpeta);
    void omple_carpetes();
    void omple_arxius();
    void Text1_Change();
    void Drive1_Change(int index);
    void File1_Click(int fila);
    void File1_DblClick(int fila);
    void Command1_Click();
    void Command3_Click();
    int unitat_de(const QString &carpeta) const;
    QString cami() const;

    Mode mode_;
    Missatges &missatges_;
    QList<Unitat> unitats_;
    QString carpeta_;
    QString ruta_;
    // Entries of File1 already copied into Combo1.
    int copiats_ = 0;
};

} // namespace quimerix::ui
