#!/usr/bin/env bash
# Every translation covers the sources: for each translations/tessaline_<lang>.ts,
# lupdate run over src/ finds no text the file lacks or still holds after it
# left the sources, every text there is translated, each translation keeps
# its source's %1..%9 markers, and the file names its own language. The
# user guides name the buttons by the captions of their languages.
# Usage: TranslationsTests.sh LUPDATE SOURCE_DIR
set -euo pipefail
lupdate=$1
source_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

shopt -s nullglob
files=("$source_dir"/translations/tessaline_*.ts)
if [ "${#files[@]}" -lt 2 ]; then
    echo "only ${#files[@]} translation(s) found in $source_dir/translations" >&2
    exit 1
fi

status=0
for ts in "${files[@]}"; do
    name=$(basename "$ts")
    lang=${name#tessaline_}
    lang=${lang%.ts}
    cp "$ts" "$scratch/$name"
    "$lupdate" -silent -recursive "$source_dir/src" -I "$source_dir/src" -locations none \
        -no-obsolete -ts "$scratch/$name" >/dev/null 2>"$scratch/lupdate.err" || {
        cat "$scratch/lupdate.err" >&2
        exit 1
    }

    if ! diff -u "$ts" "$scratch/$name" >"$scratch/diff"; then
        echo "translations/$name is behind the sources; run" \
             "cmake --build build --target update_translations and translate:" >&2
        cat "$scratch/diff" >&2
        status=1
    fi
    unfinished=$(grep -c 'type="unfinished"' "$scratch/$name" || true)
    if [ "$unfinished" -ne 0 ]; then
        echo "translations/$name: $unfinished text(s) without a translation:" >&2
        grep -B2 'type="unfinished"' "$scratch/$name" | grep '<source>' >&2
        status=1
    fi
    messages=$(grep -c '<message>' "$scratch/$name" || true)
    if [ "$messages" -lt 100 ]; then
        echo "translations/$name: only $messages texts found in the sources:" \
             "lupdate did not read them" >&2
        status=1
    fi
    if ! grep -q "<TS [^>]*language=\"$lang\"" "$ts"; then
        echo "translations/$name does not say its language is $lang" >&2
        status=1
    fi
    # A translation that drops or adds a %n marker loses a number or shows
    # the marker itself.
    if ! perl -0777 -ne '
        my $bad = 0;
        while (m{<source>(.*?)</source>.*?<translation[^>]*>(.*?)</translation>}gs) {
            my ($source, $translation) = ($1, $2);
            my $markers = sub { join " ", sort $_[0] =~ /%\d/g };
            next if $markers->($source) eq $markers->($translation);
            print STDERR "'"translations/$name"': markers differ: $source => $translation\n";
            $bad = 1;
        }
        exit $bad;' "$ts"; then
        status=1
    fi
done

# Each user guide names the windows' buttons (<kbd>) by the captions its
# language shows: guide.html by the sources' Chinese, guide-<lang>.html by
# the translations in tessaline_<lang>.ts.
for guide in "$source_dir"/assets/help/guide*.html; do
    name=$(basename "$guide" .html)
    if [ "$name" = guide ]; then
        ts=${files[0]} field=source
    else
        ts=$source_dir/translations/tessaline_${name#guide-}.ts field=translation
    fi
    if [ ! -f "$ts" ]; then
        echo "assets/help/$name.html has no translation $(basename "$ts")" >&2
        status=1
        continue
    fi
    if ! perl -0777 -e '
        my ($guide, $ts, $field) = @ARGV;
        my $read = sub { open(my $f, "<:raw", $_[0]) or die "$_[0]: $!"; local $/; <$f> };
        my $plain = sub {
            my $t = shift;
            $t =~ s/&lt;/</g; $t =~ s/&gt;/>/g; $t =~ s/&apos;/\x27/g; $t =~ s/&quot;/"/g;
            $t =~ s/&amp;/&/g;
            return $t;
        };
        my %captions = map { $plain->($_) => 1 } $read->($ts) =~ m{<$field[^>]*>(.*?)</$field>}gs;
        my $bad = 0;
        for my $key ($read->($guide) =~ m{<kbd>(.*?)</kbd>}gs) {
            next if $captions{$plain->($key)};
            print STDERR "$guide: <kbd>$key</kbd> is no caption of the windows\n";
            $bad = 1;
        }
        exit $bad;' "$guide" "$ts" "$field"; then
        status=1
    fi
done
exit $status
