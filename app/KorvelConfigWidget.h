#pragma once

#include "app/ConfigFile.h"

#include <QDialog>
#include <QHash>
#include <QJsonArray>
#include <QSet>
#include <QStringList>
#include <QTimer>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Lets the user pick which sections of a configuration, and which elements of its list
// sections, go into a file (mode 0) or into the device (mode 1). Files of the older
// format 1 are listed and converted to the current section layout on "Apply".
class KorvelConfigWidget : public QDialog
{
    Q_OBJECT
public:
    enum Mode
    {
        Saving = 0,
        Loading = 1
    };
    // Item data: the section key and the element an item was made from, so items never
    // depend on their (translated) captions.
    enum Role
    {
        DeviceIdRole = Qt::UserRole,
        SectionKeyRole = Qt::UserRole + 1,
        ElementIndexRole = Qt::UserRole + 2,
        AdminRole = Qt::UserRole + 3
    };

    explicit KorvelConfigWidget(QWidget *parent = nullptr);

    void setConfiguration(const ConfigFile &document, int mode);
    ConfigFile configuration() const;

    // Runs the dialog; tests answer it through ModalAnswerer ("chooser": 0 applies,
    // anything else cancels) after setting up the selection through this class.
    int exec() override;

    void setAllChecked(Qt::CheckState state);
    void onItemClicked(QTreeWidgetItem *item, int column);
    void onApply();

    QTreeWidgetItem *findSectionItem(const QString &key) const;
    QTreeWidget *tree() const { return m_tree; }
    static bool isOldFormat(const QJsonObject &document);

    QHash<QString, QString> captions;

private:
    void buildForm();
    void fillCaptions();
    void addTopLevel(const QString &key, const QString &caption);
    QString sectionKey(const QTreeWidgetItem *item) const;
    QStringList keyList() const;
    QStringList oldFormatKeyList() const;
    bool comesFromThisDevice() const;
    void prune(const QStringList &keys);
    void addItemsFor(const QString &key);
    void addArrayItems(const QJsonValue &elements, const QString &key, const QString &captionKey);
    void addOldPartitionItems(const QJsonObject &partitions);
    void finalPass();
    void showPartitionNote();
    QJsonValue sourceOf(const QString &key) const;
    QJsonArray selectedElements(const QJsonValue &value, const QTreeWidgetItem *item) const;
    QJsonObject settingsSections(const QTreeWidgetItem *item) const;
    QJsonObject convertOldPartitions(const QTreeWidgetItem *item) const;
    int markedAdministrators(const QTreeWidgetItem *users) const;

    static void setChildrenChecked(QTreeWidgetItem *item, Qt::CheckState state);
    static void updateParentsChecked(QTreeWidgetItem *item);
    static bool isMarked(const QTreeWidgetItem *item);

    QLabel *m_lblName = nullptr;
    QLabel *m_lblDate = nullptr;
    QLabel *m_lblVersion = nullptr;
    QLabel *m_lblExecution = nullptr;
    QLabel *m_lblModification = nullptr;
    QLabel *m_lblSerialNumber = nullptr;
    QPushButton *m_pbSelectAll = nullptr;
    QPushButton *m_pbDeselectAll = nullptr;
    QPushButton *m_pbApply = nullptr;
    QPushButton *m_pbCancel = nullptr;
    QTreeWidget *m_tree = nullptr;

    ConfigFile m_document;
    int m_mode = Saving;
    bool m_oldFormat = false;
    QString m_timestampText;
    QTimer m_partitionNote;
};
