#include "runtime/core/record_layout.h"

RecordLayout::RecordLayout(QString label, QString prefix, std::initializer_list<FieldSpec> fields)
    : label_(std::move(label)), prefix_(std::move(prefix)) {
    for (const FieldSpec& given : fields) {
        int size = given.size;
        if (given.type == FieldType::Byte) size = 1;
        if (given.type == FieldType::Long) size = 4;
        fields_.push_back(Field{QString::fromLatin1(given.name), given.type, size, given.places,
                                length_, static_cast<int>(fields_.size())});
        length_ += size;
    }
}

int RecordLayout::indexOf(QStringView name) const {
    QStringView bare = name;
    const qsizetype colon = name.indexOf(u':');
    if (colon >= 0) {
        if (name.left(colon).compare(prefix_, Qt::CaseInsensitive) != 0) return -1;
        bare = name.mid(colon + 1);
    }
    for (const Field& f : fields_)
        if (bare.compare(f.name, Qt::CaseInsensitive) == 0) return f.index;
    return -1;
}

QString RecordLayout::qualifiedName(int index) const {
    return prefix_ + u':' + fields_[index].name;
}

QString RecordLayout::signature() const {
    QString s = label_ + u'/' + prefix_;
    for (const Field& f : fields_) {
        const char type = "SBLD"[static_cast<int>(f.type)];
        s += QStringLiteral(";%1:%2%3.%4")
                 .arg(f.name)
                 .arg(QChar::fromLatin1(type))
                 .arg(f.size)
                 .arg(f.places);
    }
    return s;
}
