#include "entrega.h"

#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace quimerix::ui {

namespace {

// A path travels as one percent-encoded line; anything longer than this is not a path.
constexpr qint64 Maxim_missatge = 64 * 1024;
constexpr char Resposta_presa = '1';

} // namespace

ReceptorArxius::ReceptorArxius(const QString &ruta, std::function<void(const QString &)> rebut)
    : servidor_(std::make_unique<QLocalServer>()), rebut_(std::move(rebut)) {
    servidor_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!servidor_->listen(ruta)) {
        QLocalServer::removeServer(ruta);
        servidor_->listen(ruta);
    }
    QObject::connect(servidor_.get(), &QLocalServer::newConnection, servidor_.get(), [this] {
        while (QLocalSocket *socol = servidor_->nextPendingConnection()) {
            QObject::connect(socol, &QLocalSocket::disconnected, socol, &QObject::deleteLater);
            QObject::connect(socol, &QLocalSocket::readyRead, socol, [this, socol] {
                if (!socol->canReadLine()) {
                    if (socol->bytesAvailable() > Maxim_missatge) socol->abort();
                    return;
                }
                const QString arxiu = QFile::decodeName(
                    QByteArray::fromPercentEncoding(socol->readLine(Maxim_missatge).chopped(1)));
                socol->write(&Resposta_presa, 1);
                socol->flush();
                socol->disconnectFromServer();
                // The report opens dialogs of its own: not from inside the socket's signal.
                QTimer::singleShot(0, servidor_.get(), [this, arxiu] { rebut_(arxiu); });
            });
        }
    });
}

ReceptorArxius::~ReceptorArxius() = default;

bool ReceptorArxius::escolta() const {
    return servidor_->isListening();
}

bool entrega_arxiu(const QString &ruta, const QString &arxiu, int ms) {
    QLocalSocket socol;
    socol.connectToServer(ruta);
    if (!socol.waitForConnected(ms)) return false;
    // Percent-encoded, so that any byte of a file name (a line break too) travels in one line.
    socol.write(QFile::encodeName(QFileInfo(arxiu).absoluteFilePath()).toPercentEncoding() + '\n');
    if (!socol.waitForBytesWritten(ms)) return false;
    char resposta = 0;
    while (socol.bytesAvailable() == 0)
        if (!socol.waitForReadyRead(ms)) return false;
    return socol.read(&resposta, 1) == 1 && resposta == Resposta_presa;
}

} // namespace quimerix::ui
