#!/usr/bin/python
# -*- coding: utf-8 -*-
from __future__ import absolute_import, division, print_function

__metaclass__ = type

DOCUMENTATION = r'''
module: mount
short_description: A mount point of a VANTOR FTP server's virtual file system
description:
  - Keeps one mount point of a C(*.vfs) file, by its virtual path, with the fields given, or
    makes sure that there is none of the path. The root C(/) is never removed.
  - A new mount point needs C(physical); it gets owner and group C(default), rights C(754) and
    inherits them, unless told otherwise. The paths and names are checked as the wizard's mount
    point editor checks them.
version_added: 1.0.0
extends_documentation_fragment:
  - vantor.ftp.folder
options:
  virtual:
    description: The virtual path, starting with C(/).
    type: str
    required: true
  physical:
    description: An existing directory on the managed host, as an absolute path.
    type: path
  owner:
    description: The owner, an account's name or C(default).
    type: str
  group:
    description: The owner group, one that an account has, or C(default).
    type: str
  permissions:
    description:
      - The rights of owner, group and others, one digit each (read 4, write 2, delete and
        rename 1), such as C("754"); quote it, as YAML reads a number with a leading 0 as octal.
    type: str
  inherit:
    description: Whether the directories below take the rights.
    type: bool
  state:
    description: Whether the mount point is to be there.
    type: str
    choices: [present, absent]
    default: present
author:
  - VANTOR wizard developers (@vantor)
'''

EXAMPLES = r'''
- name: The public folder, Alice's
  vantor.ftp.mount:
    dir: /srv/ftp
    virtual: /pub
    physical: /srv/ftp/files/pub
    owner: alice
    group: staff
    permissions: "755"

- name: An upload folder whose rights stop there
  vantor.ftp.mount:
    dir: /srv/ftp
    virtual: /upload
    physical: /srv/ftp/files/upload
    permissions: "750"
    inherit: false

- name: No more /old
  vantor.ftp.mount:
    dir: /srv/ftp
    virtual: /old
    state: absent
'''

RETURN = r'''
mounts:
  description: The mount point and what became of it (added, changed, removed or unchanged),
    with the names of the changed fields.
  returned: always
  type: list
  elements: dict
  sample: [{"virtual": "/pub", "outcome": "changed", "fields": ["permissions"]}]
files:
  description: Each file read, and whether it is added, changed or unchanged.
  returned: always
  type: list
  elements: dict
accounts:
  description: Empty for this module.
  returned: always
  type: list
  elements: dict
addresses:
  description: Empty for this module.
  returned: always
  type: list
  elements: dict
servers:
  description: Empty for this module.
  returned: always
  type: list
  elements: dict
'''

from ansible.module_utils.basic import AnsibleModule
from ansible_collections.vantor.ftp.plugins.module_utils.vantor_admin import (
    MOUNT_FIELDS, apply_state, argument_spec, entry)


def main():
    module = AnsibleModule(argument_spec=argument_spec(MOUNT_FIELDS), supports_check_mode=True)
    apply_state(module, dict(mounts=[entry(module.params, MOUNT_FIELDS)]))


if __name__ == '__main__':
    main()
