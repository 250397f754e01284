#pragma once

#include <QString>
#include <initializer_list>
#include <vector>

// The fixed-length byte image of a table's record: field order, types and
// widths. Fields follow each other without gaps.
enum class FieldType { String, Byte, Long, Decimal };

struct FieldSpec {
    const char* name;  // without the table prefix: "NFORM"
    FieldType type;
    int size;  // characters for String, bytes for Decimal; ignored for Byte and Long
    int places = 0;  // digits after the point, Decimal only
};

struct Field {
    QString name;
    FieldType type;
    int size;  // bytes in the image
    int places;
    int offset;
    int index;
};

class RecordLayout {
public:
    RecordLayout(QString label, QString prefix, std::initializer_list<FieldSpec> fields);

    const QString& label() const { return label_; }    // FORMA3
    const QString& prefix() const { return prefix_; }  // FR3
    int length() const { return length_; }
    int fieldCount() const { return static_cast<int>(fields_.size()); }
    const Field& field(int index) const { return fields_[index]; }
    const std::vector<Field>& fields() const { return fields_; }
    // Index of a field by name, with or without the prefix ("nform",
    // "FR3:Nform"); letter case is ignored. -1 when there is none.
    int indexOf(QStringView name) const;
    // "FR3:NFORM"
    QString qualifiedName(int index) const;
    // A text naming every field, its type and width, stored with each file so
    // that a file of another layout is recognised.
    QString signature() const;

private:
    QString label_;
    QString prefix_;
    std::vector<Field> fields_;
    int length_ = 0;
};
