#pragma once
// The files below a folder at any depth, as today's installation keeps its vessel classes in
// sub-folders of "Config\Vessels\".
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

// A file found below a folder: its path within the folder as the simulator writes paths
// (folders joined by "\"), and the platform path to read it by.
struct FileBelow {
    QString relative;
    QString platformPath;
};

// The regular files below the folder (its own files and those of every folder inside it) whose
// names end in the suffix, letter case ignored, sorted by relative path without regard to case.
// The folder is a simulator path text; a missing folder gives none. Links to folders are not
// followed, so a link that leads back up cannot make the walk endless.
std::vector<FileBelow> ListFilesBelow(const QString& folder, const QString& suffix);

// A folder's own files whose names end in the suffix (letter case ignored), regular files only,
// sorted by name without regard to case as ListFiles sorts them, and the names of the folders
// in it, from one listing: a configuration folder of thousands of files is listed once for its
// files and for the folder of its vessel classes.
struct FolderListing {
    QStringList files;
    QStringList folders;
};
FolderListing ListFolder(const QString& folder, const QString& suffix);

// The name among these that equals the name given, the exact one first, else one that differs
// only in letter case; empty for none.
QString NameIgnoringCase(const QStringList& names, const QString& name);

// The folders inside a folder, by name without regard to letter case, listed once: finding the
// folders of many names in a large folder (the base folders of a hundred bodies among the
// thousands of files of a configuration folder) costs one listing, not one per name.
class FolderIndex {
  public:
    // The folder is a simulator path text.
    explicit FolderIndex(const QString& folder);
    // The platform path of a folder below it ("Tarn\Base\"), each name matched as the
    // simulator's home platform matches it; empty when there is none.
    QString Find(const QString& relative) const;

  private:
    QString root_;
    QHash<QString, QString> folders_; // case-folded name to the name on disk
};
