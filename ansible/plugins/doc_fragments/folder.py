# -*- coding: utf-8 -*-
# The options every module of vantor.ftp takes: the folder of the definition
# files and how vantor-admin is run there.
from __future__ import absolute_import, division, print_function

__metaclass__ = type


class ModuleDocFragment(object):
    DOCUMENTATION = r'''
options:
  dir:
    description:
      - The folder of the FTP server's definition files on the managed host.
    type: path
    required: true
  executable:
    description:
      - The vantor-admin program to run; by default the one found on the PATH.
    type: path
  user_file:
    description:
      - The C(*.user) file, in C(dir) unless absolute; by default the single one of the folder,
        or C(default.user).
    type: path
  allow_file:
    description:
      - The C(*.allow) file, in C(dir) unless absolute; by default the single one of the
        folder, or C(default.allow).
    type: path
  vfs_file:
    description:
      - The C(*.vfs) file of the mount points, in C(dir) unless absolute; by default that of
        the one server the state describes, else the single one of the folder.
    type: path
  force:
    description:
      - Writes a file even where its reading lost content (a byte 0x1A before its end, a line
        longer than 511 bytes); without it such a file is not changed and the task fails.
    type: bool
    default: false
notes:
  - Runs C(vantor-admin apply) on the managed host, which needs the package vantor-admin. The
    state goes to it on standard input, never in its arguments.
  - Supports check mode (nothing is written; the task reports what would change) and diff mode
    (a unified diff of every changed file, every password shown as C(********)).
  - A second run with the same options writes nothing and reports no change.
'''
