#pragma once

#include "element.h"

#include <QStringList>

#include <stdexcept>
#include <vector>

namespace tablicznik {

// A catalogue file that cannot be used. The message names the file and the
// fault, ready to be shown to the user.
class CatalogueError : public std::runtime_error {
public:
    CatalogueError(const QString &file, const QString &fault);
    QString file, fault;
};

// The elements, hydrogen to element 112 (or 118 under today's naming), and
// the hidden placeholder.
class Catalogue {
public:
    // The table of the 1990s: hydrogen to element 112.
    static constexpr int kCount = 112;
    // Today's table: 113 ... 118 (nihon to oganeson) join it while today's
    // names are on. Their records are always loaded, and stay reachable by
    // number, but only count() elements take part in the names and the
    // iteration.
    static constexpr int kModernCount = 118;
    static constexpr int kDescriptionLimit = 10000;

    // Reads NNN.json and NNN.rtf for 001 ... 118 from the folder (the
    // program's own resources by default); throws CatalogueError.
    static Catalogue load(const QString &folder = QStringLiteral(":/catalogue"));

    // One element from the bytes of its two files, the JSON record and the
    // RTF description, checked as `load` checks them; the names are those
    // the messages give. The record keeps the description's bytes (shared,
    // not copied). Throws CatalogueError.
    static ElementRecord readElement(QByteArrayView record, const QByteArray &description, int expectedNumber,
                                     const QString &recordName, const QString &descriptionName);

    // numer 1 ... kModernCount, whatever the naming
    const ElementRecord &element(int numer) const { return m_elements.at(numer - 1); }
    // The elements of the table under the naming in use: 112 or 118.
    int count() const { return m_modernNames ? kModernCount : kCount; }
    bool contains(int numer) const { return numer >= 1 && numer <= count(); }
    const ElementRecord &dummy() const { return m_dummy; }

    // The Polish names of elements 1 ... count() in atomic-number order,
    // under the naming in use.
    const QStringList &elementNames() const { return m_tableNames; }
    // Exact, case-sensitive, under the naming in use; 0 when no element has
    // that name.
    int numberOf(const QString &polishName) const;

    // Today's names (kModernNames, modernnames.h) in place of the systematic
    // names of elements 104 ... 112, or back to these: the symbol, the
    // Polish, English and Latin names and the description's heading change,
    // and elements 113 ... 118 join the table or leave it; nothing else. The records change in place, so whatever holds a record
    // or the catalogue reads the new names at once; a copied name (a caption,
    // a list) must be read again. Off after loading.
    void setModernNames(bool on);
    bool modernNames() const { return m_modernNames; }

    // Iteration over elements 1 ... count(), never the placeholder.
    auto begin() const { return m_elements.cbegin(); }
    auto end() const { return m_elements.cbegin() + count(); }

private:
    // What the naming changes in one record.
    struct Naming {
        QString Symbol, Nazwa, NazAng, NazLac;
        Description Opis;
    };
    struct Renamed {
        int numer;
        Naming systematic, modern;
    };
    void apply(const Renamed &renamed, bool modern);

    std::vector<ElementRecord> m_elements;
    ElementRecord m_dummy;
    QStringList m_names; // of all kModernCount elements; elementNames() gives the first count()
    QStringList m_tableNames;
    std::vector<Renamed> m_renamed; // both namings of 104 ... 112, read at loading
    bool m_modernNames = false;
};

} // namespace tablicznik
