#pragma once
// A run-time failure that no handler of the program catches: it ends the
// program after a message box that names it.

#include <QString>
#include <stdexcept>

class Failure : public std::runtime_error {
public:
    explicit Failure(const QString &name) : std::runtime_error(name.toStdString()), m_name(name) {}
    const QString &name() const { return m_name; }

    static Failure overflow() { return Failure(QStringLiteral("Overflow")); }
    static Failure invalidArgument() { return Failure(QStringLiteral("Chiamata di routine o argomento non validi")); }
    static Failure typeMismatch() { return Failure(QStringLiteral("Tipo non corrispondente")); }
    static Failure invalidProperty() { return Failure(QStringLiteral("Valore di proprietà non valido")); }

private:
    QString m_name;
};
