#ifndef MODELNAMES_H
#define MODELNAMES_H

// Display names of the server models, by the internal model identifier that a server reports
// when it sends no display name of its own. The identifier joins vendor, processor family and
// model with underscores; identifiers are unique and compared exactly (case matters).

struct ModelNameEntry {
    const char *id;   // internal model identifier
    const char *name; // display model name
};

extern const ModelNameEntry g_modelNames[];
extern const int g_modelNameCount;

// The display name of an identifier, or null when the table has none.
const char *findModelDisplayName(const char *id);

#endif // MODELNAMES_H
