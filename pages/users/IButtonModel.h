#pragma once

#include "app/Storable.h"
#include "link/SettingsBlocks.h"

#include <QAbstractTableModel>
#include <QList>

class IButtonSettings;

// The communicator's iButton keys in ascending order of key number: the table of the
// keys page and the "iButton" section of the configuration file. A row goes only when the
// device acknowledges the key's deletion.
class IButtonModel : public QAbstractTableModel, public virtual Storable
{
    Q_OBJECT
public:
    enum Column
    {
        IdColumn,
        PartitionsColumn,
        PermissionsColumn,
        UserColumn,
        ColumnCount
    };
    static constexpr quint8 Auto = 0xFF;

    explicit IButtonModel(Protocol *protocol, QObject *parent = nullptr);
    ~IButtonModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Asks the device to delete the key at the row; the row stays until it acknowledges.
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;

    void writeToDevice() override {}
    QJsonValue toJson() const override;
    // False, with nothing emptied or deleted, when the section has the wrong shape.
    bool fromJson(const QJsonValue &value, int formatVersion) override;
    QString jsonKey() const override { return QStringLiteral("iButton"); }
    // Format 1: an object; any later format: an array.
    static bool hasSectionShape(const QJsonValue &value, int formatVersion);

    IButtonSettings *addKey(const QString &idHex, quint16 accessLaw, quint32 partitionsMask,
                            quint8 number = Auto, quint8 position = Auto);
    int firstFreeIndex() const;
    int count() const { return m_keys.size(); }
    IButtonSettings *keyAt(quint8 position) const;
    // Leading zeros do not count; the key with number `except` is left out.
    bool containsKeyId(const QString &idHex, int except = -1) const;
    void unbindUser(quint8 userId);
    // Empties the table; keys without an owner, or of user 0, are deleted on the device.
    void clear();

    static int maxKeys();
    static int partitionCount();
    QString partitionsText(quint32 mask) const;

public slots:
    void onIButtonDataReceived(quint16 id, const s_ExtMemDataIButton &s);
    void onIButtonDeleteAcknowledge(quint16 id);

signals:
    void maxCount();
    void newIButton(int count);

private:
    void deleteOnDevice(const IButtonSettings *key);
    void readKeyObject(const QJsonObject &object, int formatVersion, const char *idKey,
                       const char *lawKey, const char *maskKey);

    QList<IButtonSettings *> m_keys;
};
