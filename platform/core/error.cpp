#include "platform/core/error.h"

namespace platform {

Error::Error(int number, QString description)
    : std::runtime_error(description.toStdString()),
      number_(number),
      description_(std::move(description)) {}

QString standardDescription(int number) {
    switch (number) {
        case err::InvalidCall:
            return QStringLiteral("Appel de procédure incorrect");
        case err::Overflow:
            return QStringLiteral("Dépassement de capacité");
        case err::SubscriptOutOfRange:
            return QStringLiteral("L'indice n'appartient pas à la sélection");
        case err::DivisionByZero:
            return QStringLiteral("Division par zéro");
        case err::TypeMismatch:
            return QStringLiteral("Type incompatible");
        case err::BadFileName:
            return QStringLiteral("Nom ou numéro de fichier incorrect");
        case err::FileNotFound:
            return QStringLiteral("Fichier introuvable");
        case err::BadFileMode:
            return QStringLiteral("Mode d'accès au fichier incorrect");
        case err::FileAlreadyOpen:
            return QStringLiteral("Fichier déjà ouvert");
        case err::DeviceIoError:
            return QStringLiteral("Erreur d'entrée/sortie");
        case err::FileAlreadyExists:
            return QStringLiteral("Ce fichier existe déjà");
        case err::DiskFull:
            return QStringLiteral("Disque plein");
        case err::InputPastEnd:
            return QStringLiteral("Lecture au-delà de la fin du fichier");
        case err::DeviceUnavailable:
            return QStringLiteral("Périphérique non disponible");
        case err::PermissionDenied:
            return QStringLiteral("Permission refusée");
        case err::PathFileAccess:
            return QStringLiteral("Erreur d'accès au chemin ou au fichier");
        case err::PathNotFound:
            return QStringLiteral("Chemin d'accès introuvable");
        case err::ObjectNotSet:
            return QStringLiteral("Variable objet non définie");
        case err::InvalidUseOfNull:
            return QStringLiteral("Utilisation incorrecte de Null");
        case err::InvalidPropertyValue:
            return QStringLiteral("Valeur de propriété incorrecte");
        case err::NoSuchProperty:
            return QStringLiteral("Cet objet ne gère pas cette propriété ou cette méthode");
        case err::InvalidPicture:
            return QStringLiteral("Image incorrecte");
        case err::PrinterError:
            return QStringLiteral("Erreur d'impression");
        case err::UpdateWithoutEdit:
            return QStringLiteral("Mise à jour sans AddNew ni Edit");
        case err::NoCurrentRecord:
            return QStringLiteral("Aucun enregistrement en cours");
        case err::DatabaseNotFound:
            return QStringLiteral("Base de données introuvable");
        case err::DatabaseDamaged:
            return QStringLiteral("La base de données est endommagée");
        case err::TableNotFound:
            return QStringLiteral("Table introuvable dans la base");
        case err::RecordDeleted:
            return QStringLiteral("L'enregistrement est supprimé");
        case err::DatabaseExists:
            return QStringLiteral("Cette base de données existe déjà");
        case err::FieldNotFound:
            return QStringLiteral("Champ introuvable");
        case err::UnrecognizedDatabase:
            return QStringLiteral("Ce fichier n'est pas une base de recettes");
        case err::InvalidRow:
            return QStringLiteral("Numéro de ligne incorrect");
        case err::InvalidCol:
            return QStringLiteral("Numéro de colonne incorrect");
        default:
            return QStringLiteral("Erreur %1").arg(number);
    }
}

void raise(int number, const QString& detail) {
    QString text = standardDescription(number);
    if (!detail.isEmpty()) {
        text += QStringLiteral(" : ") + detail;
    }
    throw Error(number, text);
}

}  // namespace platform
