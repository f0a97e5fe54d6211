#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The guess authors
# SPDX-License-Identifier: MIT

"""The release in dist/, as the release workflows leave it: checksums,
linters, hardening, and the same bytes again from a fresh clone and from the
unpacked source archive without git, whatever reprotest varies between two
builds; and the source built and installed as a distribution builds it."""
import filecmp
import glob
import json
import os
import re
import shutil
import tarfile
import tempfile
import unittest

from support import BUILD, ROOT as SOURCE, cached, main, needs, tool

VERSION, REVISION, ID = map(cached, ("CMAKE_PROJECT_VERSION", "GUESS_REVISION", "GUESS_ID"))
DIST = os.path.join(SOURCE, "dist")
DEBS = [f"guess_{VERSION}-{REVISION}_{arch}.deb" for arch in ("amd64", "arm64", "armhf")]
RPMS = [f"guess-{VERSION}-{REVISION}.{arch}.rpm" for arch in ("x86_64", "aarch64")]
BINARIES = DEBS + RPMS + [f"guess-{VERSION}-windows-x86_64.{kind}" for kind in ("zip", "msi")] \
    + [f"guess-{VERSION}-web.{kind}" for kind in ("html", "zip")]
# What puts the game in the desktop's menus and software centres.
DESKTOP = [f"/usr/share/{path}" for path in (
    f"applications/{ID}.desktop", f"metainfo/{ID}.metainfo.xml",
    f"icons/hicolor/scalable/apps/{ID}.svg", f"icons/hicolor/48x48/apps/{ID}.png")]
ARCHIVE = f"guess-{VERSION}.tar.gz"
with open(os.path.join(SOURCE, "CMakePresets.json"), encoding="utf-8") as presets:
    RELEASE = " && ".join(f"cmake --workflow --preset {preset['name']}"
                          for preset in json.load(presets)["workflowPresets"]
                          if re.match(r"release(-|$)", preset["name"]) and preset["name"] != "release-check")
# What making the release uses besides CMake and the compiler.
MAKERS = ("git", "dpkg-shlibdeps", "file", "rpmbuild", "x86_64-w64-mingw32-g++", "zip",
          "rsvg-convert", "icotool", "wixl", "msibuild", "aarch64-linux-gnu-g++",
          "arm-linux-gnueabihf-g++", "emcc")
# rpmlint's findings that every package of the game gets: no signing key and
# no web site, and two of Debian's rpmlint (its list of valid licences is
# empty, and it takes a manual's section for its name). It is configured as
# Fedora's and openSUSE's are, for manuals compressed with gzip.
ACCEPTED = {"E: no-signature", "W: no-url-tag", "W: invalid-license", "W: no-manual-page-for-binary"}
RPMLINT_CONFIG = 'CompressExtension = "gz"\n'
# A distribution's flags: Fedora's, without its compiler spec files.
DISTRIBUTION = {"CXXFLAGS": "-O2 -fexceptions -g -grecord-gcc-switches -pipe -Wall "
                "-Werror=format-security -Wp,-U_FORTIFY_SOURCE,-D_FORTIFY_SOURCE=3 "
                "-Wp,-D_GLIBCXX_ASSERTIONS -fstack-protector-strong -m64 -mtune=generic "
                "-fasynchronous-unwind-tables -fstack-clash-protection -fcf-protection",
                "LDFLAGS": "-Wl,-z,relro -Wl,--as-needed -Wl,-z,now"}
# What an RPM distribution's rpm does and Debian's does not: the builder
# named, manuals compressed (Debian's brp-compress needs bash), and the
# debugging information split off into a package of its own.
RPM_DISTRIBUTION = {"packager": "Robin Packager <robin@example.net>",
                    "__brp_compress": "bash %{_rpmconfigdir}/brp-compress %{?_prefix}",
                    "install": "%{?buildsubdir:%{debug_package}}%%install"}


def packager(**variables):
    """The environment of a packager's build, dated from the commit."""
    env = {k: v for k, v in os.environ.items() if k != "SOURCE_DATE_EPOCH"}
    return dict(env, **variables)


def clone(folder):
    tool("git", "clone", "-q", SOURCE, folder)


def rpmlint(*rpms):
    """rpmlint's findings on the packages, as (finding, its output)."""
    with tempfile.NamedTemporaryFile("w", suffix=".toml") as config:
        config.write(RPMLINT_CONFIG)
        config.flush()
        lint = tool("rpmlint", "--config", config.name, *rpms, check=False)
    return set(re.findall(r": ([EW]: \S+)", lint.stdout)), lint.stdout + lint.stderr


def lintian_tags(deb):
    """The tags that lintian finds in the package, overridden or not."""
    lint = tool("lintian", "--no-override", "--pedantic", "--display-info", deb, check=False)
    return set(re.findall(r"^\w: guess: (\S+)", lint.stdout, re.M))


def reprotest(folder, names, store):
    """Makes the release twice in copies of the folder, the second time with
    every variation that reprotest can make on this machine (another user needs
    a sudo that its reprotest cannot drive); returns the first build's dist/,
    or fails with reprotest's account of the differences."""
    made = tool("reprotest", "--vary=-user_group", "--store-dir", store,
                "--source-root", folder, RELEASE, " ".join("dist/" + name for name in names),
                env=packager(), check=False)
    diff = re.search(r"^--- .*", made.stdout + made.stderr, re.M | re.S)  # diffoscope's
    if made.returncode != 0:
        raise AssertionError((diff.group() if diff else made.stdout + made.stderr)[-20000:])
    return os.path.join(store, "control", "source-root", "dist")


class Release(unittest.TestCase):
    longMessage = False  # a failure says what went wrong, without the comparison

    def path(self, name):
        return os.path.join(DIST, name)

    def assertSame(self, folder, names, where):
        mismatch, missing = filecmp.cmpfiles(DIST, folder, names, shallow=False)[1:]
        self.assertEqual(mismatch + missing, [], f"{where} made other packages: {mismatch + missing}")

    def test_checksums_and_dates(self):
        commit = int(tool("git", "log", "-1", "--format=%ct", cwd=SOURCE).stdout)
        for name in BINARIES + [ARCHIVE]:
            with self.subTest(name=name):
                check = tool("sha256sum", "-c", name + ".sha256", cwd=DIST, check=False)
                self.assertEqual(check.returncode, 0, check.stdout + check.stderr)
                self.assertEqual(os.path.getmtime(self.path(name)), commit, f"{name} is not dated from the commit")

    @needs("lintian")
    def test_lintian(self):
        lint = tool("lintian", "--pedantic", "--display-info", "--fail-on",
                    "error,warning,info,pedantic", *map(self.path, DEBS), check=False)
        self.assertEqual((lint.returncode, lint.stdout), (0, ""), lint.stdout + lint.stderr)

    @needs("rpmlint", "rpm")
    def test_rpmlint(self):
        found, output = rpmlint(*map(self.path, RPMS))
        self.assertLessEqual(found, ACCEPTED, output)
        for rpm in map(self.path, RPMS):
            prefixes = tool("rpm", "-qp", "--queryformat", "%{PREFIXES}", rpm)
            self.assertEqual(prefixes.stdout, "(none)", f"{rpm} is relocatable")
            files = tool("rpm", "-qlp", rpm).stdout
            for path in ["/usr/bin/guess"] + DESKTOP:
                self.assertIn(path + "\n", files, f"{rpm} has no {path}")

    @needs("dpkg-deb", "hardening-check")
    def test_hardening(self):
        # The packaged program, and beside it what the desktop needs.
        for deb in DEBS:
            with self.subTest(deb=deb), tempfile.TemporaryDirectory() as root:
                tool("dpkg-deb", "-x", self.path(deb), root)
                check = tool("hardening-check", "--nofortify", "--nocfprotection",
                             os.path.join(root, "usr/games/guess"), check=False)
                self.assertEqual(check.returncode, 0, check.stdout)
                for path in DESKTOP:
                    self.assertTrue(os.path.exists(root + path), f"{deb} has no {path}")

    @needs("git")
    def test_changes_refused(self):
        with tempfile.TemporaryDirectory() as checkout:
            clone(checkout)
            with open(os.path.join(checkout, "NEWS.md"), "a", encoding="utf-8") as news:
                news.write("A line that is not committed.\n")
            made = tool("cmake", "--workflow", "--preset", "release", cwd=checkout, env=packager(),
                        check=False)
            self.assertNotEqual(made.returncode, 0, "a changed checkout was packaged")
            self.assertIn("M NEWS.md", made.stderr, "the refusal does not name the changed file")
            self.assertFalse(os.path.exists(os.path.join(checkout, "dist")), "dist/ was made")

    @needs("hardening-check")
    def test_distribution_build(self):
        # Fedora's flags exported, with warnings as errors, and no build type
        # or openSUSE's: the build must add nothing to the flags, and install
        # where it is told. The second also runs every test with the flags
        # still exported, the Windows build's too, and that over a Windows
        # build whose configuration an earlier run left failed.
        for build_type, bindir, testing in (("", "bin", "OFF"), ("RelWithDebInfo", "games", "ON")):
            with self.subTest(build_type=build_type), tempfile.TemporaryDirectory() as work:
                build, staging = os.path.join(work, "build"), os.path.join(work, "staging")
                env = packager(**DISTRIBUTION)
                env["CXXFLAGS"] += " -Werror"
                for step in (["-S", SOURCE, "-B", build, "-DCMAKE_BUILD_TYPE=" + build_type,
                              "-DBUILD_TESTING=" + testing, "-DCMAKE_INSTALL_BINDIR=" + bindir,
                              "-DCMAKE_EXPORT_COMPILE_COMMANDS=ON"],
                             ["--build", build], ["--install", build, "--prefix", "/usr", "--strip"]):
                    tool("cmake", *step, env=dict(env, DESTDIR=staging))
                with open(os.path.join(build, "compile_commands.json"), encoding="utf-8") as file:
                    flags = " ".join(command["command"] for command in json.load(file))
                self.assertNotRegex(flags, r"_FORTIFY_SOURCE=2|-O3", "the build added flags")
                for path in (f"{bindir}/guess", "share/doc/guess/LICENSE", "share/man/man6/guess.6"):
                    self.assertTrue(os.path.exists(os.path.join(staging, "usr", path)),
                                    f"the staged install has no /usr/{path}")
                tool("hardening-check", "--nofortify", "--nocfprotection",
                     os.path.join(staging, "usr", bindir, "guess"))
                if testing == "ON":
                    tool("cmake", "--preset", "windows", "-B", os.path.join(build, "tests/windows/build"),
                         "-DCMAKE_EXE_LINKER_FLAGS=-Wl,-z,relro", cwd=SOURCE, check=False)
                    tool("ctest", "--test-dir", build, "--output-on-failure", env=env)

    @needs("dpkg-buildpackage", "dh", "lintian")
    def test_debian_build(self):
        # A packager's debian/: packaging/tests/debian, with the changelog and
        # copyright that the packaging makes. Built from the unpacked source archive,
        # every test passing in dh_auto_test, it has nothing for lintian that
        # the release's own package has not.
        with tarfile.open(self.path(ARCHIVE)) as archive, tempfile.TemporaryDirectory() as work:
            archive.extractall(work)
            debian = os.path.join(work, f"guess-{VERSION}", "debian")
            shutil.copytree(os.path.join(SOURCE, "packaging", "tests", "debian"), debian)
            made = os.path.join(BUILD, "packaging")
            shutil.copy(os.path.join(made, "changelog.Debian"), os.path.join(debian, "changelog"))
            shutil.copy(os.path.join(made, "copyright"), debian)
            tool("dpkg-buildpackage", "-us", "-uc", "-b", cwd=os.path.dirname(debian), env=packager())
            deb = os.path.join(work, DEBS[0])
            self.assertRegex(tool("dpkg-deb", "-c", deb).stdout, r"(?m) \./usr/games/guess$",
                             "the package has no /usr/games/guess")
            more = lintian_tags(deb) - lintian_tags(self.path(DEBS[0]))
            self.assertEqual(more, set(), f"lintian finds more in the package that dh made: "
                             f"{sorted(more)}")

    @needs("rpmbuild", "rpmlint")
    def test_rpm_build(self):
        # rpmbuild -ta on the source archive, with the spec it carries: the
        # game built, tested in %check and packaged as RPM distributions do.
        with tempfile.TemporaryDirectory() as top:
            defines = [f"--define={name} {value}" for name, value in
                       dict(RPM_DISTRIBUTION, _topdir=top).items()]
            built = tool("rpmbuild", "-ta", "--nodeps", *defines, self.path(ARCHIVE), env=packager())
            self.assertRegex(built.stdout, r"100% tests passed, 0 tests failed out of \d+",
                             "%check ran no tests")
            [rpm] = glob.glob(os.path.join(top, "RPMS", "*", f"guess-{VERSION}-{REVISION}.*.rpm"))
            # The spec's files are those of the release's RPM, but for the
            # build-ID links that rpm adds where the distribution has them.
            files = [re.sub(r"/usr/lib/\.build-id\S*\n", "", tool("rpm", "-qlp", made).stdout)
                     for made in (rpm, self.path(RPMS[0]))]
            self.assertEqual(files[0], files[1], "the files of the RPM that the spec made, and of the release's")
            found, output = rpmlint(rpm)
            self.assertLessEqual(found, ACCEPTED, output)

    @needs("reprotest", "diffoscope", *MAKERS)
    def test_reproducible(self):
        with tarfile.open(self.path(ARCHIVE)) as archive, tempfile.TemporaryDirectory() as work:
            head = tool("git", "rev-parse", "HEAD", cwd=SOURCE).stdout.strip()
            self.assertEqual(archive.pax_headers.get("comment"), head,
                             "dist/ holds the release of another commit: make it again")
            writable = [member.name for member in archive if member.mode & 0o022]
            self.assertEqual(writable, [], f"writable by others in the source archive: {writable}")
            checkout = os.path.join(work, "clone")
            clone(checkout)
            self.assertSame(reprotest(checkout, BINARIES + [ARCHIVE], os.path.join(work, "a")),
                            BINARIES + [ARCHIVE], "a fresh clone")
            archive.extractall(os.path.join(work, "unpacked"))
            unpacked = os.path.join(work, "unpacked", f"guess-{VERSION}")
            self.assertSame(reprotest(unpacked, BINARIES, os.path.join(work, "b")), BINARIES,
                            "the unpacked source archive")


if __name__ == "__main__":
    main()
