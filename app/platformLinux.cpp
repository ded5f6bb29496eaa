#include "platform.h"

#include "loadedLibrary.h"

#include <QProcessEnvironment>
#include <QScopeGuard>

// GIO's few functions the read needs, declared as GIO declares them, with
// its types opaque: no build needs GLib's headers for them.
extern "C" {
struct GSettingsSchemaSource;
struct GSettingsSchema;
struct GSettings;
GSettingsSchemaSource *g_settings_schema_source_get_default();
GSettingsSchema *g_settings_schema_source_lookup(GSettingsSchemaSource *source, const char *schema_id, int recursive);
int g_settings_schema_has_key(GSettingsSchema *schema, const char *name);
void g_settings_schema_unref(GSettingsSchema *schema);
GSettings *g_settings_new_full(GSettingsSchema *schema, void *backend, const char *path);
char **g_settings_get_strv(GSettings *settings, const char *key);
void g_strfreev(char **str_array);
void g_object_unref(void *object);
}

namespace {

struct Gio
{
    QLibrary library{QStringLiteral("gio-2.0"), 0};
    LOADED_FUNCTION(g_settings_schema_source_get_default);
    LOADED_FUNCTION(g_settings_schema_source_lookup);
    LOADED_FUNCTION(g_settings_schema_has_key);
    LOADED_FUNCTION(g_settings_schema_unref);
    LOADED_FUNCTION(g_settings_new_full);
    LOADED_FUNCTION(g_settings_get_strv);
    LOADED_FUNCTION(g_strfreev);
    LOADED_FUNCTION(g_object_unref);

    bool isLoaded() const
    {
        return g_settings_schema_source_get_default && g_settings_schema_source_lookup && g_settings_schema_has_key
            && g_settings_schema_unref && g_settings_new_full && g_settings_get_strv && g_strfreev && g_object_unref;
    }
};

// The experimental features GNOME's compositor runs with, read through GIO's
// GSettings as GNOME reads them: the user's value, else the distribution's,
// else the schema's. GIO is loaded only for this; nullopt where it, or the
// schema, cannot be found.
std::optional<QStringList> mutterExperimentalFeatures()
{
    const Gio gio;
    if (!gio.isLoaded())
        return std::nullopt;
    GSettingsSchemaSource *source = gio.g_settings_schema_source_get_default();
    GSettingsSchema *schema = source ? gio.g_settings_schema_source_lookup(source, "org.gnome.mutter", 1) : nullptr;
    if (!schema)
        return std::nullopt;
    const auto unrefSchema = qScopeGuard([&] { gio.g_settings_schema_unref(schema); });
    const char *key = "experimental-features";
    if (!gio.g_settings_schema_has_key(schema, key))
        return std::nullopt;
    GSettings *settings = gio.g_settings_new_full(schema, nullptr, nullptr);
    char **values = gio.g_settings_get_strv(settings, key);
    QStringList features;
    for (char **feature = values; *feature; ++feature)
        features << QString::fromUtf8(*feature);
    gio.g_strfreev(values);
    gio.g_object_unref(settings);
    return features;
}

} // namespace

QByteArray desktopPlatform()
{
    return platformFor(QProcessEnvironment::systemEnvironment(), mutterExperimentalFeatures);
}

// Hiding a window on X or Wayland waits on nothing: a shown window is drawn
// when they ask, in the frame it shows.
void drawShownWindow(QWidget &)
{
}
